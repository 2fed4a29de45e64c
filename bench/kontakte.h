// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// 1,000 cards of a Radicale address book on this machine: "kontakte 1000 <median ms>" for the
// first pull into a new book, "kontakte_unveraendert …" for the run after it, and
// "kontakte_boden …" for the floor: the same cards read by one PROPFIND and one
// addressbook-multiget in plain HTTP by the bench itself. Without Radicale it says so.
void kontakteMessen(int runden);
