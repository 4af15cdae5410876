# The two commands a fresh Debian machine needs: `make test` and `make run`.
# Each installs what it needs from Debian's packages when it is missing, then builds.

# What building and playing the game needs.
RUN_PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev \
                fonts-dejavu-core fonts-dejavu-extra
# What the test suites (and the start-up benchmark) need besides.
TEST_PACKAGES := googletest libgtest-dev xvfb xauth appstream desktop-file-utils tmux libxcb1-dev

# The browser edition's compiler, and the browser and fonts its page is tested in.
WEB_PACKAGES := cmake ninja-build emscripten nodejs python3 chromium fonts-dejavu-core fonts-dejavu-extra

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

.PHONY: all deps run-deps deps-web test run dev asan web clean

all: dev

run-deps:
	$(call install-missing,$(RUN_PACKAGES))

deps:
	$(call install-missing,$(RUN_PACKAGES) $(TEST_PACKAGES))

deps-web:
	$(call install-missing,$(WEB_PACKAGES))

dev: deps
	cmake --preset dev
	cmake --build --preset dev

asan: deps
	cmake --preset asan
	cmake --build --preset asan

# The browser edition: build/web/pennantry.html, one file with everything inside. Debian's
# Emscripten needs Node to find its own modules, and its tests run under plain node.
web: deps-web
	NODE_PATH=/usr/share/nodejs emcmake cmake -S web -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_CROSSCOMPILING_EMULATOR=$$(command -v node)
	NODE_PATH=/usr/share/nodejs cmake --build build/web -j2

# The suite twice: a normal build, then under AddressSanitizer and UndefinedBehaviorSanitizer;
# then the browser edition's (the game's tests under Node, the page in headless Chromium).
test: dev asan web
	ctest --preset dev
	ctest --preset asan
	ctest --test-dir build/web --output-on-failure --timeout 300

# The window where there is a display, else the terminal edition. A build of its own without the
# tests; configured once, after which the build itself notices a changed CMakeLists.txt.
run: run-deps
	@[ -f build/run/CMakeCache.txt ] || cmake --preset run
	@cmake --build --preset run
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./build/run/app/pennantry; else ./build/run/app/pennantry-term; fi

clean:
	rm -rf build
