# Gruppenstatistik: set up, build, run and test on Debian 12.
#   make run    install what is missing, build, start the program on the bundled sample
#   make test   install what is missing, build, run every test
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SAMPLE ?= examples/buerohaus-14.csv

# Debian packages the project builds and tests with.
PACKAGES = build-essential cmake pkg-config \
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev \
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev \
  fonts-liberation poppler-utils xvfb xauth

SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test bench clean

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

bench: build
	./$(BUILD)/bench/gs_bench

clean:
	rm -rf $(BUILD)
