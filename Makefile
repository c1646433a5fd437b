# The README's commands. `make run` and `make test` install what a fresh Debian 12 machine lacks,
# configure, build, and then run the program or the tests.
BUILD     ?= build
SAN_BUILD ?= build-sanitize
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build, the tests, the benchmarks and the fuzz target need.
PACKAGES := cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
            clang libclang-rt-14-dev xvfb xauth xdg-utils \
            libcli11-dev libpng-dev \
            desktop-file-utils appstream

.PHONY: all deps configure build run test test-sanitize bench fuzz format clean package

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    if [ "$$(id -u)" = 0 ]; then \
	        echo "Installing:$$missing"; \
	        apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	    else \
	        echo "Missing packages. Please run:"; \
	        echo "  sudo apt-get update && sudo apt-get install -y$$missing"; \
	        exit 1; \
	    fi; \
	fi

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESTRIX_WERROR=ON

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The window when a display is there; otherwise the command-line converter on the bundled samples.
run: build
	@if [ -x $(BUILD)/vestrix ] && { [ -n "$${DISPLAY:-}" ] || [ -n "$${WAYLAND_DISPLAY:-}" ]; }; then \
	    $(BUILD)/vestrix; \
	else \
	    mkdir -p out/previews && \
	    $(BUILD)/vestrix-convert --previews out/previews -d out resources/samples/*.fsh && \
	    echo "FIFA 2000 jerseys written to out/, PNG previews to out/previews/"; \
	fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Qt-free code and its tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@test -f $(SAN_BUILD)/build.ninja || cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DVESTRIX_WERROR=ON -DVESTRIX_SANITIZE=ON -DVESTRIX_GUI=OFF -DVESTRIX_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/vestrix-bench --benchmark_min_time=1
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/vestrix-mainwindow-bench
	@if [ -x $(BUILD)/bench/vestrix-start-time ]; then \
	    xvfb-run -a $(BUILD)/bench/vestrix-start-time $(BUILD)/vestrix 20; fi

# A few minutes of libFuzzer on the conversion, under ASan and UBSan (FUZZ_SECONDS to change).
FUZZ_SECONDS ?= 180
fuzz: deps
	@test -f build-fuzz/build.ninja || CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESTRIX_FUZZ=ON -DVESTRIX_GUI=OFF -DVESTRIX_BENCH=OFF -DVESTRIX_TESTS=OFF
	cmake --build build-fuzz -j $(JOBS)
	mkdir -p build-fuzz/corpus-jersey build-fuzz/corpus-palette
	build-fuzz/fuzz/fuzz-load-jersey build-fuzz/corpus-jersey fuzz/corpus/jersey \
	    -max_total_time=$(FUZZ_SECONDS) -max_len=70000
	build-fuzz/fuzz/fuzz-palette-file build-fuzz/corpus-palette fuzz/corpus/palette \
	    -max_total_time=$$(( $(FUZZ_SECONDS) / 3 )) -max_len=8000

# A Debian package of the installed program (/usr), dependencies worked out from the binaries:
# vestrix_VERSION_ARCH.deb here, for `apt-get install ./vestrix_*.deb`. Built with the tested
# build's optimisation (the package strips the debugging information).
PKG_BUILD ?= build-package
package: PACKAGES += dpkg-dev
package: deps
	@test -f $(PKG_BUILD)/build.ninja || cmake -S . -B $(PKG_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_INSTALL_PREFIX=/usr -DVESTRIX_WERROR=ON -DVESTRIX_TESTS=OFF -DVESTRIX_BENCH=OFF
	cmake --build $(PKG_BUILD) -j $(JOBS)
	cd $(PKG_BUILD) && cpack -G DEB
	cp $(PKG_BUILD)/vestrix_*.deb .
	@ls -l vestrix_*.deb

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SAN_BUILD) build-fuzz out $(PKG_BUILD)
