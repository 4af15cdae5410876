# The two commands a fresh Debian machine needs: `make test` and `make run`.
# Each installs what it needs from Debian's packages when it is missing, then builds.

PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev googletest libgtest-dev \
            fonts-dejavu-core fonts-dejavu-extra xvfb xauth appstream desktop-file-utils tmux libxcb1-dev

# The Windows edition: its cross compilers (32-bit, the program we ship; 64-bit, for its tests where
# this machine cannot run 32-bit programs), and what its tests run on: Wine, a display, key presses.
WINDOWS_PACKAGES := cmake ninja-build python3 googletest g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
WINE_PACKAGES := wine wine32:i386 wine64 fonts-wine xvfb xauth xdotool imagemagick

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps windows-deps wine-deps test run dev asan windows windows-test clean

all: dev

deps:
	@$(call install,$(PACKAGES))

windows-deps:
	@$(call install,$(WINDOWS_PACKAGES))

# 32-bit Wine comes from Debian's i386 architecture.
wine-deps:
	@dpkg --print-foreign-architectures | grep -qx i386 || $(SUDO) dpkg --add-architecture i386
	@$(call install,$(WINE_PACKAGES))

# Installs the packages of $(1) that are missing.
define install
	missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  if [ "$$(id -u)" != 0 ] && ! command -v sudo >/dev/null; then \
	    echo "Please install as root: apt-get install" $$missing; exit 1; fi; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi
endef

dev: deps
	cmake --preset dev
	cmake --build --preset dev

asan: deps
	cmake --preset asan
	cmake --build --preset asan

# The suite twice: a normal build, then under AddressSanitizer and UndefinedBehaviorSanitizer;
# then the Windows edition's.
test: dev asan windows-test
	ctest --preset dev
	ctest --preset asan

# pennantry.exe and the zip a player downloads, in build/windows/.
windows: windows-deps
	cmake --preset windows
	cmake --build --preset windows --target pennantry windows-zip

# The shipped program's form, then the game's tests, the registry store's and a whole play under
# Wine. Wine runs the 32-bit program where the kernel runs 32-bit programs; where it does not, the
# same sources are built and tested as a 64-bit program.
windows-test: windows wine-deps
	ctest --preset windows -L exe
	@if /usr/lib/wine/wine --version >/dev/null 2>&1; then preset=windows; else \
	  echo "32-bit programs cannot run here: testing the 64-bit build under 64-bit Wine"; preset=windows64; fi; \
	cmake --preset $$preset && cmake --build --preset $$preset && ctest --preset $$preset -j2

# The window where there is a display, else the terminal edition.
run: dev
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./build/dev/app/pennantry; else ./build/dev/app/pennantry-term; fi

clean:
	rm -rf build
