# The README's commands. `make run` and `make test` install what a fresh Debian 12 machine lacks,
# configure, build, and then run the program or the tests.
BUILD     ?= build
SAN_BUILD ?= build-sanitize
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build, the tests, the benchmarks and the fuzz target need.
PACKAGES := cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
            clang libclang-rt-14-dev xvfb xauth xdg-utils \
            libcli11-dev libpng-dev zlib1g-dev \
            desktop-file-utils appstream

.PHONY: all deps configure build run test test-sanitize windows-configure windows test-windows run-windows package-windows bench fuzz format check-format clean package

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
# Only the programs and the files beside them are built; the tests and benchmarks are not.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target programs
	@if [ -x $(BUILD)/vestrix ] && { [ -n "$${DISPLAY:-}" ] || [ -n "$${WAYLAND_DISPLAY:-}" ]; }; then \
	    $(BUILD)/vestrix; \
	else \
	    mkdir -p out/previews && \
	    $(BUILD)/vestrix-convert --previews out/previews -d out resources/samples/*.fsh && \
	    echo "FIFA 2000 jerseys written to out/, PNG previews to out/previews/"; \
	fi

# The install_layout test builds the Debian package and has lintian check it.
test: PACKAGES += dpkg-dev lintian
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Qt-free code and its tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@test -f $(SAN_BUILD)/build.ninja || cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DVESTRIX_WERROR=ON -DVESTRIX_SANITIZE=ON -DVESTRIX_GUI=OFF -DVESTRIX_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The Windows programs cross-compiled with mingw-w64: vestrix.exe (its windows drawn with the Win32
# API) and vestrix-convert.exe, with the shipped files beside them in $(WIN_BUILD), as a program
# folder. `make test-windows` runs their tests under Wine without a display, in a Wine prefix of the
# build's own, and compares vestrix-convert.exe with the Linux build. Wine's own browser and menu
# builder are switched off there: nothing reaches the host's desktop.
WIN_BUILD ?= build-windows
WINDOWS_PACKAGES := cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
                    libz-mingw-w64-dev googletest libcli11-dev wine64 wine fonts-wine nsis
WINE64 ?= /usr/lib/wine/wine64
WINE_ENV := WINEPREFIX=$(abspath $(WIN_BUILD))/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winebrowser.exe,winemenubuilder.exe=d" DISPLAY=

windows-configure: configure
	@$(MAKE) --no-print-directory deps PACKAGES="$(WINDOWS_PACKAGES)"
	@test -f $(WIN_BUILD)/build.ninja || cmake -S . -B $(WIN_BUILD) -G Ninja \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DVESTRIX_WERROR=ON -DVESTRIX_GUI=OFF -DVESTRIX_BENCH=OFF \
	    -DVESTRIX_GTEST_SOURCES=/usr/src/googletest -DVESTRIX_LINUX_CONVERTER=$(abspath $(BUILD))/vestrix-convert

windows: windows-configure
	cmake --build $(BUILD) -j $(JOBS) --target vestrix-convert
	cmake --build $(WIN_BUILD) -j $(JOBS)

test-windows: windows
	@# The prefix is made once. Wine's null display driver gives windows without a display (DDE
	@# talks through hidden windows); it takes effect from the next session on.
	@mkdir -p $(WIN_BUILD)/wine-prefix
	@-$(WINE_ENV) wineserver -k >/dev/null 2>&1; $(WINE_ENV) wineserver -w
	@test -f $(WIN_BUILD)/wine-prefix/system.reg || $(WINE_ENV) $(WINE64) wineboot -i >/dev/null 2>&1
	$(WINE_ENV) $(WINE64) reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
	@$(WINE_ENV) wineserver -k >/dev/null 2>&1; $(WINE_ENV) wineserver -w
	@# One server for the whole run, started with its output detached: ctest would otherwise wait
	@# on the pipe the server inherited; stopped again whatever the tests gave. Wine's services
	@# start before the first test, with their output detached too.
	$(WINE_ENV) wineserver -p 60 </dev/null >/dev/null 2>&1
	$(WINE_ENV) $(WINE64) wineboot </dev/null >/dev/null 2>&1
	cd $(WIN_BUILD) && $(WINE_ENV) ctest --output-on-failure --repeat until-pass:3 -j $(JOBS); \
	    status=$$?; $(WINE_ENV) wineserver -k >/dev/null 2>&1; exit $$status

# The Windows releases, made by the Windows build: the portable zip and the NSIS installer.
package-windows: windows
	@ls -l $(WIN_BUILD)/vestrix-*-windows-x64.zip $(WIN_BUILD)/vestrix-*-setup.exe

# vestrix.exe under Wine on the current display, for developers without Windows: a prefix of its
# own (Wine's usual display driver; the test prefix has none), made on first use, with Wine's own
# fonts, which Debian's Wine does not find by itself. Links open in the host's browser through
# Wine's. KIT=path/to/kit.fsh loads a kit once the splash is answered.
WINE_RUN_ENV := WINEPREFIX=$(abspath $(WIN_BUILD))/wine-run-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
run-windows: windows-configure
	cmake --build $(WIN_BUILD) -j $(JOBS) --target programs
	@if [ ! -f $(WIN_BUILD)/wine-run-prefix/system.reg ]; then \
	    mkdir -p $(WIN_BUILD)/wine-run-prefix && \
	    $(WINE_RUN_ENV) $(WINE64) wineboot -i >/dev/null 2>&1; \
	    cp /usr/share/wine/fonts/* $(WIN_BUILD)/wine-run-prefix/drive_c/windows/Fonts/ 2>/dev/null || true; \
	fi
	cd $(WIN_BUILD) && $(WINE_RUN_ENV) $(WINE64) vestrix.exe $(if $(KIT),"$$($(WINE_RUN_ENV) winepath -w '$(abspath $(KIT))')")

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
# build's optimisation and Debian's hardening flags (stack protector, fortified libc calls, PIE, a
# read-only global offset table: what dpkg-buildflags gives with hardening=+all); the package strips
# the debugging information. Configured each time, so the flags reach an older package build too.
# The converter uses the system's C++ runtime there, so that its security updates reach it.
PKG_BUILD ?= build-package
package: PACKAGES += dpkg-dev
package: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
package: deps
	cmake -S . -B $(PKG_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_INSTALL_PREFIX=/usr -DVESTRIX_WERROR=ON -DVESTRIX_TESTS=OFF -DVESTRIX_BENCH=OFF \
	    -DVESTRIX_CONVERT_STATIC_CXX=OFF \
	    -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" >/dev/null
	cmake --build $(PKG_BUILD) -j $(JOBS)
	cd $(PKG_BUILD) && cpack -G DEB
	cp $(PKG_BUILD)/vestrix_*.deb .
	@ls -l vestrix_*.deb

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

# Fails, naming the files, when a source file is not in the project's .clang-format style.
check-format:
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(WIN_BUILD) build-fuzz out $(PKG_BUILD)
