# Pairwick: `make play` builds and starts the game, `make test` builds and runs every
# test. Both install what a fresh Debian 12 machine lacks (as root) first.
BUILD      := build
DIST       := $(BUILD)/dist
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
# Tests run side by side, one for each core, and no more than one for each GB of free
# memory (a test's Wine, X server and screenshots take a few hundred MB).
TEST_JOBS  ?= $(shell n=$$(nproc 2>/dev/null || echo 2); \
                m=$$(awk '/^MemAvailable:/ { print int($$2 / 1048576) }' /proc/meminfo); \
                [ -n "$$m" ] && [ "$$m" -lt "$$n" ] && n=$$m; [ "$$n" -ge 1 ] || n=1; echo $$n)
# Where make install puts the game; DESTDIR is put in front of it when set.
PREFIX     ?= $(if $(filter 0,$(shell id -u)),/usr/local,$(HOME)/.local)
BINDIR     ?= $(PREFIX)/bin
DESTDIR    ?=

PACKAGES := cmake make g++ pkg-config g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
            googletest libcairo2-dev libfreetype-dev fonts-dejavu-core wine wine64 xvfb \
            xdotool imagemagick python3 python3-pytest python3-pil zip unzip lintian \
            openbox wmctrl x11-utils nsis gettext locales appstream desktop-file-utils

LOCALES := de_DE.UTF-8 pl_PL.UTF-8 ru_RU.UTF-8

.PHONY: all deps configure build play install uninstall deb test test-quick bench screenshots \
        dist installer pot po clean
all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing: $$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing Debian packages. Install them with:"; \
	    echo "  sudo apt-get install $$missing"; exit 1; \
	  fi; \
	fi
	@# The locales the language tests and screenshots start the game under.
	@missing=$$(for l in $(LOCALES); do locale -a 2>/dev/null | grep -qx "$$(echo $$l | sed 's/UTF-8/utf8/')" \
	    || echo $$l; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    for l in $$missing; do sed -i "s/^# *$$l UTF-8/$$l UTF-8/" /etc/locale.gen; \
	      grep -q "^$$l UTF-8" /etc/locale.gen || echo "$$l UTF-8" >>/etc/locale.gen; done; \
	    locale-gen >/dev/null; \
	  else \
	    echo "Missing locales ($$missing): the language tests skip them. As root, add them to"; \
	    echo "/etc/locale.gen and run locale-gen."; \
	  fi; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# The installed launcher's way of playing, with this build's game folder: scores and
# options go to the player's own folder, so they outlive make clean.
play: build
	@if [ -z "$$DISPLAY" ]; then \
	  echo "There is no X display (DISPLAY is empty). Run 'make play' in a desktop session,"; \
	  echo "or start a virtual one:  Xvfb :5 -screen 0 800x600x16 &  DISPLAY=:5 make play"; \
	  exit 1; fi
	PAIRWICK_GAME_DIR="$(abspath $(DIST))" tools/linux/pairwick

# The launcher on the PATH, the game under share/pairwick, a menu entry and the icon.
install: build
	tools/linux/install.sh install "$(BUILD)" "$(PREFIX)" "$(BINDIR)" "$(DESTDIR)"

# Removes what install wrote, from its list; never a player's folder.
uninstall:
	tools/linux/install.sh uninstall "$(PREFIX)" "$(DESTDIR)"

# $(BUILD)/pairwick_<version>_amd64.deb, from the same tree as install.
deb: build
	tools/linux/make_deb.sh "$(BUILD)"

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(TEST_JOBS)

# Everything but the tests labelled slow (the real twelve-minute game over).
test-quick: build
	cd $(BUILD) && ctest --output-on-failure -j$(TEST_JOBS) -LE slow

# Frame times, start-up, GDI objects and memory of the real game beside a minimal window
# program, under Wine on a display of its own; prints figures and asserts nothing.
bench: build
	/usr/bin/python3 tools/bench/bench.py --build $(BUILD)

# The player's zip, build/Pairwick-<version>-win64.zip (the build makes it too).
dist: build
	tools/dist/make_dist.sh $(BUILD)

# The Windows setup, $(BUILD)/Pairwick-<version>-setup.exe, which the build makes from the
# zip with Debian's makensis; this says where it is. The version is the one the build used.
installer: build
	@setup="$(abspath $(BUILD))/Pairwick-$$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' \
	    $(BUILD)/CMakeCache.txt)-setup.exe"; \
	test -f "$$setup" || { echo "$$setup was not built" >&2; exit 1; }; \
	echo "The Windows setup: $$setup"

# Every screen of the real game, captured under a display of its own into docs/screenshots/.
screenshots: build
	/usr/bin/python3 tools/screenshots/take.py --build $(BUILD)

# po/pairwick.pot from the texts the sources mark, then merged into every catalogue, for
# translators to fill in (the build's check then says what is missing).
pot: configure
	cmake --build $(BUILD) --target pot

po: pot
	cmake --build $(BUILD) --target po

clean:
	rm -rf $(BUILD)
