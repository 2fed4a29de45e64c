# make run    installs what is missing, builds, and starts the program in its program folder
# make test   installs what is missing, builds, and runs every test
# make bench  installs what is missing, builds, and prints the benchmark figures
# make screenshot  saves docs/hauptfenster.png, the main window with sample entries
# make test SANITIZE=1  the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# make deb    builds the Debian package gedenkbuch_<version>_<arch>.deb in this folder
# make clean  removes the build folders and packages; the program folder and its daten.mdb stay untouched

PROGRAMM ?= $(CURDIR)/programm
PAKETE := cmake g++ make pkg-config qt6-base-dev libsqlcipher-dev sqlcipher libical-dev libx11-dev xvfb xauth xdotool dbus-daemon python3-radicale
JOBS := $(shell nproc 2>/dev/null || echo 2)

ifeq ($(SANITIZE),1)
BUILD ?= build-sanitize
CMAKE_FLAGS += -DGEDENKBUCH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
BUILD ?= build
CMAKE_FLAGS += -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

.PHONY: run test bench screenshot deb clean pakete bauen

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

bauen: pakete
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

test: bauen
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: bauen
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_gedenkbuch

run: bauen
	mkdir -p "$(PROGRAMM)"
	install -m 755 $(BUILD)/src/gedenkbuch $(BUILD)/tools/gedenkbuch-daten "$(PROGRAMM)/"
	cd "$(PROGRAMM)" && { [ -e daten.mdb ] || ./gedenkbuch-daten neu; } && ./gedenkbuch

screenshot: MEHR_PAKETE = imagemagick
screenshot: bauen
	mkdir -p docs
	sh tools/bildschirmfoto.sh $(BUILD) docs/hauptfenster.png

# CPack finds the libraries the programs need with dpkg-shlibdeps, and the programs with file.
deb: MEHR_PAKETE = dpkg-dev file
deb: bauen
	rm -rf $(BUILD)/paket
	cd $(BUILD) && cpack -G DEB
	cp $(BUILD)/paket/gedenkbuch_*.deb .
	@ls gedenkbuch_*.deb

clean:
	rm -rf build build-sanitize gedenkbuch_*.deb
