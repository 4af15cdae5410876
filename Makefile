# The two commands a fresh Debian machine needs: `make test` and `make run`.
# Each installs what it needs from Debian's packages when it is missing, then builds.

# What building and playing the game needs.
RUN_PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev \
                libxcb1-dev libncurses-dev fonts-dejavu-core fonts-dejavu-extra
# What the test suites (and the start-up benchmark) need besides.
TEST_PACKAGES := googletest libgtest-dev xvfb xauth openbox appstream desktop-file-utils tmux

# The Debian package: CPack's dependency finder (dpkg-shlibdeps, which needs file), lintian, and
# man to check the manual pages.
PACKAGE_PACKAGES := dpkg-dev file lintian man-db

# The browser edition's compiler, and the browser and fonts its page is tested in.
WEB_PACKAGES := cmake ninja-build emscripten nodejs python3 chromium fonts-dejavu-core fonts-dejavu-extra

# The Windows edition: its cross compilers (32-bit, the program we ship; 64-bit, for its tests where
# this machine cannot run 32-bit programs), the installer's maker (wixl), and what its tests run
# on: Wine, a display, key presses.
WINDOWS_PACKAGES := cmake ninja-build python3 googletest g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
                    wixl
WINE_PACKAGES := wine wine32:i386 wine64 fonts-wine xvfb xauth xdotool imagemagick

# The version, as the top CMakeLists.txt's project() writes it, names the release's files.
VERSION := $(shell sed -n 's/^project.Pennantry VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Installs those of the packages given that are missing.
define install-missing
@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
if [ -n "$$missing" ]; then \
  echo "Installing:" $$missing; \
  if [ "$$(id -u)" != 0 ] && ! command -v sudo >/dev/null; then \
    echo "Please install as root: apt-get install" $$missing; exit 1; fi; \
  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
fi
endef

.PHONY: all deps run-deps deps-web deps-windows deps-wine test run dev asan package web windows windows-test dist clean

all: dev

run-deps:
	$(call install-missing,$(RUN_PACKAGES))

deps:
	$(call install-missing,$(RUN_PACKAGES) $(TEST_PACKAGES) $(PACKAGE_PACKAGES))

deps-web:
	$(call install-missing,$(WEB_PACKAGES))

deps-windows:
	$(call install-missing,$(WINDOWS_PACKAGES))

# 32-bit Wine comes from Debian's i386 architecture, added once (the install then updates the lists).
deps-wine:
	@dpkg --print-foreign-architectures | grep -qx i386 || $(SUDO) dpkg --add-architecture i386
	$(call install-missing,$(WINE_PACKAGES))

dev: deps
	cmake --preset dev
	cmake --build --preset dev

asan: deps
	cmake --preset asan
	cmake --build --preset asan

# build/dev/pennantry_<version>_<arch>.deb: the tested build, stripped, as a Debian package.
package: dev
	cd build/dev && cpack -G DEB

# The browser edition: build/web/pennantry.html, one file with everything inside. Debian's
# Emscripten needs Node to find its own modules, and its tests run under plain node.
web: deps-web
	NODE_PATH=/usr/share/nodejs emcmake cmake -S web -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_CROSSCOMPILING_EMULATOR=$$(command -v node)
	NODE_PATH=/usr/share/nodejs cmake --build build/web -j2

# The suite twice: a normal build, then under AddressSanitizer and UndefinedBehaviorSanitizer;
# then the browser edition's (the game's tests under Node, the page in headless Chromium), and the
# Windows edition's (under Wine).
test: dev asan web windows-test
	ctest --preset dev
	ctest --preset asan
	ctest --test-dir build/web --output-on-failure --timeout 300

# pennantry.exe, and the zip and the installer a player downloads, in build/windows/.
windows: deps-windows
	cmake --preset windows
	cmake --build --preset windows --target pennantry windows-zip windows-msi

# The shipped program's form, then the game's tests, the registry store's and a whole play under
# Wine. Wine runs the 32-bit program where the kernel runs 32-bit programs; where it does not, the
# same sources are built and tested as a 64-bit program. A test that fails is run once more: a Wine
# client's connection to its shared server can be reset under load, which says nothing of the game
# (a real fault fails both runs).
windows-test: windows deps-wine
	ctest --preset windows -L exe
	@if /usr/lib/wine/wine --version >/dev/null 2>&1; then preset=windows; else \
	  echo "32-bit programs cannot run here: testing the 64-bit build under 64-bit Wine"; preset=windows64; fi; \
	cmake --preset $$preset && cmake --build --preset $$preset && ctest --preset $$preset -j2 --repeat until-pass:2

# The release in build/dist/: the Debian package, the Windows installer and zip, the browser page,
# and their SHA-256 checksums.
dist: package windows web
	rm -rf build/dist && mkdir -p build/dist
	cp build/dev/pennantry_$(VERSION)_$$(dpkg --print-architecture).deb build/windows/pennantry-$(VERSION).msi \
	  build/windows/pennantry-$(VERSION)-windows.zip build/web/pennantry.html build/dist/
	cd build/dist && sha256sum pennantry* > SHA256SUMS

# The window where there is a display, else the terminal edition. A build of its own without the
# tests; configured once, after which the build itself notices a changed CMakeLists.txt.
run: run-deps
	@[ -f build/run/CMakeCache.txt ] || cmake --preset run
	@cmake --build --preset run --target pennantry pennantry-term
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./build/run/app/pennantry; else ./build/run/app/pennantry-term; fi

clean:
	rm -rf build
