# Gruppenstatistik: set up, build, run and test on Debian 12.
#   make run    install what is missing, build, start the program on the bundled sample
#   make test   install what is missing, build, run every test
#   make asan-test    every test again, built with AddressSanitizer and UBSan (build-asan/)
#   make fuzz         fuzz the readers for FUZZ_SECONDS (default 60, shared) with libFuzzer
#   make cross-check  compile the plain C++ layers for Windows with MinGW-w64
# Quiet: no "Entering/Leaving directory" lines from the nested makes of the build.
MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SAMPLE ?= examples/buerohaus-14.csv
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
CROSS_BUILD ?= build-mingw
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

SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test bench clean asan-test fuzz cross-check

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get -o DPkg::Lock::Timeout=300 install -y --no-install-recommends $$missing; \
	fi

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

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(CROSS_BUILD)
