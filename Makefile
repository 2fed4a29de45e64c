# SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make run    installs what running needs, builds the programs, and starts the program in its program folder
# make test   installs what is missing, builds everything, checks the layout and licence headers of the source,
#             runs every test and checks the package
# make bench  installs what is missing, builds, and prints the benchmark figures
# make screenshot  renews a picture of every window and message box in docs/, with sample entries
# make test SANITIZE=1  the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# make deb    builds the Debian package gedenkbuch_<version>_<arch>.deb in this folder
# make clean  removes the build folders; packages, the program folder and its daten.mdb stay untouched

PROGRAMM ?= $(CURDIR)/programm
# Building and running need these; the other commands add their own below.
PAKETE := cmake g++ make pkg-config qt6-base-dev libsqlcipher-dev libical-dev fonts-dejavu-core
TESTPAKETE := sqlcipher libx11-dev xvfb xauth xdotool dbus-daemon python3-radicale clang-format reuse poppler-utils
# CPack finds the libraries the programs need with dpkg-shlibdeps, and the programs with file.
DEBPAKETE := dpkg-dev file
PRUEFPAKETE := lintian appstream desktop-file-utils man-db
# What `make run` starts; the package adds the menu start and the compressed manual pages.
PROGRAMME := gedenkbuch gedenkbuch-daten
PAKETINHALT := $(PROGRAMME) gedenkbuch-starten gedenkbuch_gepackt
JOBS := $(shell nproc 2>/dev/null || echo 2)

ifeq ($(SANITIZE),1)
BUILD ?= build-sanitize
CMAKE_FLAGS += -DGEDENKBUCH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
BUILD ?= build
CMAKE_FLAGS += -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif
# CPack installs without building the tests first.
CMAKE_FLAGS += -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
# CI builds with warnings as errors.
ifeq ($(CI),true)
CMAKE_FLAGS += -DGEDENKBUCH_WERROR=ON
endif

.PHONY: run test bench screenshot deb clean pakete konfigurieren bauen

pakete:
	@fehlend=""; \
	for p in $(PAKETE) $(MEHR_PAKETE); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || fehlend="$$fehlend $$p"; \
	done; \
	if [ -n "$$fehlend" ]; then \
	  echo "Installiere:$$fehlend"; \
	  if [ "$$(id -u)" -eq 0 ]; then als_root=""; else als_root="sudo"; fi; \
	  $$als_root apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $$als_root apt-get install -y --no-install-recommends $$fehlend; \
	fi

konfigurieren: pakete
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

bauen: konfigurieren
	cmake --build $(BUILD) -j $(JOBS)

define paket_bauen
	rm -rf $(BUILD)/paket
	cd $(BUILD) && cpack -G DEB
endef

test: MEHR_PAKETE = $(TESTPAKETE) $(if $(filter 1,$(SANITIZE)),,$(DEBPAKETE) $(PRUEFPAKETE))
test: bauen
	sh scripts/quelltext-pruefen.sh
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
ifneq ($(SANITIZE),1)
	$(paket_bauen)
	sh packaging/pruefen.sh $(BUILD)/paket
endif

bench: MEHR_PAKETE = sqlcipher python3-radicale
bench: konfigurieren
	cmake --build $(BUILD) -j $(JOBS) --target bench_gedenkbuch
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_gedenkbuch

run: konfigurieren
	cmake --build $(BUILD) -j $(JOBS) --target $(PROGRAMME)
	mkdir -p "$(PROGRAMM)"
	install -m 755 $(BUILD)/src/gedenkbuch $(BUILD)/tools/gedenkbuch-daten "$(PROGRAMM)/"
	cd "$(PROGRAMM)" && { [ -e daten.mdb ] || ./gedenkbuch-daten neu; } && ./gedenkbuch

screenshot: MEHR_PAKETE = imagemagick xvfb xauth xdotool
screenshot: konfigurieren
	cmake --build $(BUILD) -j $(JOBS) --target $(PROGRAMME) x11-schliessen
	sh scripts/bildschirmfoto.sh $(BUILD) docs

# An earlier package goes, so that `apt install ./gedenkbuch_*.deb` finds this one only.
deb: MEHR_PAKETE = $(DEBPAKETE)
deb: konfigurieren
	cmake --build $(BUILD) -j $(JOBS) --target $(PAKETINHALT)
	$(paket_bauen)
	rm -f gedenkbuch_*.deb
	cp $(BUILD)/paket/gedenkbuch_*.deb .
	@ls gedenkbuch_*.deb

clean:
	rm -rf build build-sanitize
