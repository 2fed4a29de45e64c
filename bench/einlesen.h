#pragma once

// Times the import as the database tool runs it, a whole process each time, and prints the figures
// as the other benchmarks do: a card of one 2 MB quoted-printable value folded with soft line
// breaks ("import_gefaltet 2000000 <ms>"), 100,000 cards into an empty file ("import 100000 <ms>"),
// and the peak memory of the tool's process for those cards ("import_spitze 100000 <MB>").
void einlesenMessen();

// The benchmark started as "bench_gedenkbuch --spitze PROGRAMM ARGUMENTE…": runs the program, its
// output discarded, and prints its peak resident memory in kB. The kernel counts in a child's
// peak the memory of the process it was forked from, so the measure of the small tool is taken
// from this small process rather than from the benchmark with its windows and lists.
int spitzeMelden(char* programm[]);
