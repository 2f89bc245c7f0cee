# Gruppenstatistik: set up, build, run and test on Debian 12.
#   make run    install what is missing, build, start the program on the bundled sample
#   make test   install what is missing, build, run every test
#   make asan-test    every test again, built with AddressSanitizer and UBSan (build-asan/)
#   make fuzz         fuzz the readers for FUZZ_SECONDS (default 60, shared) with libFuzzer
#   make cross-check  compile the plain C++ layers for Windows with MinGW-w64
#   make windows      the Windows program (64-bit): build-windows/dist/, a zip and a setup program
#   make windows-test the Windows build's tests under Wine, its answers beside the Linux build's
#   make package      a Debian package of both programs, checked by running it unpacked
# Quiet: no "Entering/Leaving directory" lines from the nested makes of the build.
MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SAMPLE ?= examples/buerohaus-14.csv
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
CROSS_BUILD ?= build-mingw
WIN_BUILD ?= build-windows
# Qt for MinGW-w64, built once per machine (about 50 minutes on two cores) and reused.
QT_MINGW ?= $(or $(XDG_CACHE_HOME),$(HOME)/.cache)/gruppenstatistik/qt-6.4.2-mingw64
# A tarball of such a Qt to unpack instead of building it, when the cache is missing.
QT_SEED ?=
# libxlsxwriter for Windows, built from Debian's source in seconds (make windows-xlsx).
XLSX_MINGW ?= $(or $(XDG_CACHE_HOME),$(HOME)/.cache)/gruppenstatistik/xlsxwriter-mingw64
# QT_BUILD=no: never build it from source (CI), fail instead when there is neither cache nor seed.
QT_BUILD ?= yes
FUZZ_SECONDS ?= 60

# Debian packages the project builds and tests with.
PACKAGES = build-essential cmake pkg-config \
  qt6-base-dev qt6-svg-dev libpng-dev \
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libxlsxwriter-dev \
  python3-openpyxl fonts-liberation poppler-utils xvfb xauth qt6-translations-l10n \
  $(HARDENING_PACKAGES)
# Fuzzing, the Windows cross-check and bench/measure.sh: clang-14 with libFuzzer's runtime
# (libclang-rt-14-dev, which clang only recommends), llvm-14 for llvm-symbolizer (readable
# fuzzer reports), python3 for the seed corpus, MinGW-w64 for 32-bit Windows, hyperfine, time,
# and gnuplot-nox, which the gnuplot script that measure.sh times the PDF report against needs.
HARDENING_PACKAGES = clang-14 libclang-rt-14-dev llvm-14 python3 g++-mingw-w64-i686-win32 \
  hyperfine time gnuplot-nox

# The Windows build: the 64-bit compiler with posix threads, Ninja, Debian's source tools (Qt
# is built from qt6-base's source package), NSIS for the setup program; its tests: Wine, Xvfb,
# ImageMagick for screenshots, python3-xlib to close a window as its close box does.
WINDOWS_PACKAGES = g++-mingw-w64-x86-64-posix libz-mingw-w64-dev ninja-build dpkg-dev nsis \
  wine64 wine python3-xlib x11-xkb-utils imagemagick

SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test bench clean asan-test fuzz cross-check windows-xlsx \
  windows-deps windows-qt windows windows-test package

all: build

# $(call install-missing,packages): apt-get install those not installed yet.
define install-missing
@missing=$$(for p in $(1); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get -o DPkg::Lock::Timeout=300 update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get -o DPkg::Lock::Timeout=300 install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

windows-deps: deps
	$(call install-missing,$(WINDOWS_PACKAGES))

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/gruppenstatistik $(SAMPLE)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Medians of the benchmarks and the process-level figures of docs/performance.md.
bench: build
	bench/measure.sh $(BUILD)

# Sanitizer runs: the first finding ends the process with a report; leaks inside the
# libraries below us are listed, each with its reason, in the suppression file.
SANITIZER_ENV = \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DGS_SANITIZE=ON -DGS_WITH_BENCH=OFF \
	  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"

asan-test: deps $(ASAN_BUILD)/CMakeCache.txt
	$(SANITIZER_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
	  ctest --output-on-failure -j $(JOBS)

# The fuzz targets' own tree: clang with libFuzzer, ASan and UBSan, no Qt. FUZZ_SECONDS is
# shared among the targets: the load path, the names file, the comparison of two files, the
# JSON report. Each target's maximum input holds a line past the 64 KiB the reader keeps (two
# of them for the comparison). New inputs that reach new code go to
# $(FUZZ_BUILD)/corpus/<target>; a crash is saved in $(FUZZ_BUILD)/crashes/ and belongs in
# tests/data/regress/ with its expected outcome (tests/hostile/test_regress.cpp).
FUZZ_TARGETS = load:70000 names:16384 compare:140000 json:140000
$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -DGS_FUZZ=ON -DGS_WITH_QT=OFF \
	  -DGS_WITH_TESTS=OFF -DGS_WITH_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"

# Configured again first: a regeneration inside the multi-target build misses a new target.
fuzz: deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake $(FUZZ_BUILD) > /dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) \
	  $(foreach t,$(FUZZ_TARGETS),--target gs_fuzz_$(firstword $(subst :, ,$(t))))
	python3 fuzz/make_corpus.py $(FUZZ_BUILD)/seeds
	@share=$$(( $(FUZZ_SECONDS) / $(words $(FUZZ_TARGETS)) )); [ $$share -gt 0 ] || share=1; \
	for entry in $(FUZZ_TARGETS); do \
	  t=$${entry%%:*}; \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/crashes; \
	  echo "=== fuzz $$t for $$share s"; \
	  extra=; [ $$t != load ] || extra=tests/data/regress; \
	  $(SANITIZER_ENV) ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14 \
	    $(FUZZ_BUILD)/fuzz/gs_fuzz_$$t -max_total_time=$$share -max_len=$${entry#*:} \
	    -timeout=10 -dict=fuzz/statistics.dict -artifact_prefix=$(FUZZ_BUILD)/crashes/$$t- \
	    -print_final_stats=1 $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/seeds/$$t $$extra || \
	  { echo "fuzz: the input is in $(FUZZ_BUILD)/crashes/; keep it in tests/data/regress/" \
	    "with its expected outcome in tests/hostile/test_regress.cpp"; exit 1; }; \
	done

# statglob, charts and the plain chart control for 32-bit Windows, linked into one program.
cross-check: deps
	cmake -S cmake/cross -B $(CROSS_BUILD) \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-i686.cmake
	cmake --build $(CROSS_BUILD) -j $(JOBS)

# --- Windows, 64-bit, with Qt ------------------------------------------------------------------
windows-qt: windows-deps
	GS_QT_SEED=$(QT_SEED) GS_QT_BUILD=$(QT_BUILD) packaging/windows/qt-mingw.sh $(QT_MINGW)

windows-xlsx: windows-deps
	packaging/windows/xlsxwriter-mingw.sh $(XLSX_MINGW)

$(WIN_BUILD)/CMakeCache.txt: | windows-qt windows-xlsx
	cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DGS_WITH_BENCH=OFF \
	  -DGS_XLSXWRITER_MINGW=$(XLSX_MINGW) \
	  -DCMAKE_TOOLCHAIN_FILE=$(QT_MINGW)/lib/cmake/Qt6/qt.toolchain.cmake \
	  -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake

# The programs and test programs, then the folder to ship, its zip and the setup program.
windows: windows-qt windows-xlsx $(WIN_BUILD)/CMakeCache.txt
	cmake --build $(WIN_BUILD) -j $(JOBS)
	packaging/windows/package.sh $(WIN_BUILD) $(QT_MINGW)

# Under Wine, headless: the test programs, the report tool against the Linux build's answers,
# the installed program on Xvfb, the setup program and its uninstaller.
windows-test: windows build
	packaging/windows/test.sh $(WIN_BUILD) $(BUILD)

# --- Debian package ----------------------------------------------------------------------------
package: build
	cd $(BUILD) && cpack -G DEB
	packaging/debian/test-deb.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(CROSS_BUILD) $(WIN_BUILD)
