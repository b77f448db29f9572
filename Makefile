# The two set-up commands of a fresh Debian 12 machine, and a few helpers.
#   make run    installs what is missing, builds Release and starts Vantry
#               (ARGS=game.spz opens a saved game)
#   make test   installs what is missing, builds and runs every test
#   make bench  builds Release and runs the benchmarks
#   make latency builds Release and times every search of the rating loop on the hardest puzzles
#   make path-bench builds Release and times the solution path panel on the hardest puzzles
#   make create-bench  builds Release and runs the creation and rating benchmark
#   make practice-bench  builds Release and times Practice for every strategy
#   make practice-library  mines the practice library again (see README)
#   make package builds Release and the Debian package build/vantry_<version>_<arch>.deb
#               (install it with: sudo apt install ./build/vantry_*.deb)
#   make cli-rate builds Release and measures vantry-cli count as a whole process
#   make fuzz   runs every fuzzer for FUZZ_SECONDS (default 300) each (needs clang)
#
# make test also builds the engine suites, vantry-cli and the fuzzers in a
# second tree ($(ASAN_BUILD)) with AddressSanitizer and UndefinedBehaviorSanitizer,
# runs them there (the soundness sample included) and runs each fuzzer for
# TEST_FUZZ_SECONDS (CTest label "fuzz") from the fixed seed TEST_FUZZ_SEED; without clang, gcc builds that tree
# and the fuzzers are left out.
BUILD ?= build
PACKAGES := cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev qt6-base-dev fonts-liberation2 poppler-utils \
            dpkg-dev file desktop-file-utils appstream lintian clang libclang-rt-14-dev
ARGS ?=
ASAN_BUILD ?= build-asan
FUZZ_SECONDS ?= 300
TEST_FUZZ_SECONDS ?= 20
TEST_FUZZ_SEED ?= 1
FUZZ_HARNESSES := saved_game puzzle_text settings cli_line counter
SAN_CXX = $(shell command -v clang++ >/dev/null 2>&1 && echo clang++ || echo g++)
SAN_FUZZ = $(if $(filter clang++,$(SAN_CXX)),ON,OFF)
SAN_TARGETS = vantry_model_tests vantry_classlib_tests vantry_strategy_tests vantry_game_tests vantry_view_tests vantry_pattern_finder_tests vantry-cli \
              $(foreach h,$(FUZZ_HARNESSES),fuzz_$(h)_replay $(if $(filter ON,$(SAN_FUZZ)),fuzz_$(h)))
SAN_ENV = LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp UBSAN_OPTIONS=print_stacktrace=1

.PHONY: all deps configure build run test sanitize-build fuzz bench latency path-bench create-bench practice-bench practice-library package cli-rate clean

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

test: build sanitize-build
	ctest --test-dir $(BUILD) --output-on-failure --no-tests=error -j 2
	$(SAN_ENV) ctest --test-dir $(ASAN_BUILD) --output-on-failure --no-tests=error -j 2 -LE 'slow|package' -E '^(ui_|help_pages|desktop_integration)|_NOT_BUILT$$'

# Only what runs under the sanitizers is built there: no desktop program, no benchmarks.
sanitize-build: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -g1" \
	  -DCMAKE_CXX_COMPILER=$(SAN_CXX) -DVANTRY_SANITIZE=ON -DVANTRY_FUZZ=$(SAN_FUZZ) -DVANTRY_BUILD_BENCH=OFF \
	  -DVANTRY_FUZZ_SECONDS=$(TEST_FUZZ_SECONDS) -DVANTRY_FUZZ_SEED=$(TEST_FUZZ_SEED)
	cmake --build $(ASAN_BUILD) --target $(SAN_TARGETS)

fuzz: TEST_FUZZ_SECONDS = $(FUZZ_SECONDS)
fuzz: TEST_FUZZ_SEED = 0
fuzz: sanitize-build
	@test "$(SAN_FUZZ)" = ON || { echo "make fuzz needs clang++"; exit 1; }
	$(SAN_ENV) ctest --test-dir $(ASAN_BUILD) --output-on-failure -j 2 -L fuzz

bench: build
	./$(BUILD)/bench/count_bench

latency: build
	./$(BUILD)/bench/latency_bench

path-bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/path_bench

create-bench: build
	./$(BUILD)/bench/create_bench

practice-bench: build
	./$(BUILD)/bench/practice_bench

practice-library: build
	nice -n 19 ./$(BUILD)/tools/practice_miner/practice_miner --per 75 --generated 300000 --variants 6 \
	  --jobs 2 --extended ../shared/corpus src/help/practice.txt

# The .deb: programs, help pages, desktop entry, saved-game type, icons,
# metainfo and man pages; the dependencies computed from the shared libraries.
package: build
	cd $(BUILD) && cpack -G DEB
	@ls -1 $(BUILD)/vantry_*.deb

cli-rate: build
	bench/cli_rate.sh $(BUILD)/src/cli/vantry-cli

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
