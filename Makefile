# The two commands a fresh Debian machine needs: `make test` and `make run`.
# Each installs what it needs from Debian's packages when it is missing, then builds.

PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev googletest libgtest-dev \
            fonts-dejavu-core fonts-dejavu-extra xvfb xauth openbox appstream desktop-file-utils tmux libxcb1-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps test run dev asan clean

all: dev

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  if [ "$$(id -u)" != 0 ] && ! command -v sudo >/dev/null; then \
	    echo "Please install as root: apt-get install" $$missing; exit 1; fi; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi

dev: deps
	cmake --preset dev
	cmake --build --preset dev

asan: deps
	cmake --preset asan
	cmake --build --preset asan

# The suite twice: a normal build, then under AddressSanitizer and UndefinedBehaviorSanitizer.
test: dev asan
	ctest --preset dev
	ctest --preset asan

# The window where there is a display, else the terminal edition.
run: dev
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./build/dev/app/pennantry; else ./build/dev/app/pennantry-term; fi

clean:
	rm -rf build
