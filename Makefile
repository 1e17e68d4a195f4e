# make run   - installs what is missing, builds, starts the program on the bundled dictionary
# make test  - installs what is missing, builds, runs every test
# make bench - builds and runs the benchmarks, the window's start-up and the comparison with
#              grep (makes the large list on first use)
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps configure build run test bench clean format

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/verbolario

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@scripts/install-deps bench
	@cmake --build $(BUILD) -j $(JOBS) --target verbolario_bench verbolario_avvio
	@bench/make-large-dictionary
	$(BUILD)/bench/verbolario_bench --benchmark_min_time=0.5
	$(BUILD)/bench/verbolario_avvio
	bench/confronto $(BUILD)/bin

format:
	@find src tests bench tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
