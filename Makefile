# The two set-up commands of a fresh Debian 12 machine, and a few helpers.
#   make run    installs what is missing, builds Release and starts Vantry
#               (ARGS=game.spz opens a saved game)
#   make test   installs what is missing, builds and runs every test
#   make bench  builds Release and runs the benchmarks
#   make latency builds Release and times every search of the rating loop on the hardest puzzles
#   make create-bench  builds Release and runs the creation and rating benchmark
#   make package builds Release and the Debian package build/vantry_<version>_<arch>.deb
#               (install it with: sudo apt install ./build/vantry_*.deb)
#   make cli-rate builds Release and measures vantry-cli count as a whole process
BUILD ?= build
PACKAGES := cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev qt6-base-dev fonts-liberation2 poppler-utils \
            dpkg-dev file desktop-file-utils appstream lintian
ARGS ?=

.PHONY: all deps configure build run test bench latency create-bench package cli-rate clean

all: build

# Installs the Debian packages that are not there yet, as root or through sudo.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD)

run: build
	./$(BUILD)/src/ui/vantry $(ARGS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure --no-tests=error -j 2

bench: build
	./$(BUILD)/bench/count_bench

latency: build
	./$(BUILD)/bench/latency_bench

create-bench: build
	./$(BUILD)/bench/create_bench

# The .deb: programs, help pages, desktop entry, saved-game type, icons,
# metainfo and man pages; the dependencies computed from the shared libraries.
package: build
	cd $(BUILD) && cpack -G DEB
	@ls -1 $(BUILD)/vantry_*.deb

cli-rate: build
	bench/cli_rate.sh $(BUILD)/src/cli/vantry-cli

clean:
	rm -rf $(BUILD)
