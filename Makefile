# make run   - installs what is missing, builds, starts the program on the bundled dictionary
# make test  - installs what is missing, builds, runs every test
# make bench - builds and runs the benchmarks, the window's start-up and the comparison with
#              grep (makes the large list on first use)
# make sanitize - builds the engine and the command line with AddressSanitizer and
#                 UndefinedBehaviorSanitizer into build-sanitize/ and runs their tests
# make fuzz  - builds the fuzz targets with clang into build-fuzz/ and runs each for
#              FUZZ_SECONDS seconds (installs clang and its runtimes when missing)
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# Every sanitizer finding ends the run that met it.
sanitize fuzz: export ASAN_OPTIONS = halt_on_error=1:detect_leaks=1
sanitize fuzz: export UBSAN_OPTIONS = halt_on_error=1:print_stacktrace=1

.PHONY: all deps configure build run test bench sanitize fuzz clean format

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

sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
		-DVERBOLARIO_GUI=OFF -DVERBOLARIO_BENCH=OFF -DVERBOLARIO_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

fuzz:
	@scripts/install-deps fuzz
	@scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS) $(JOBS)

format:
	@find src tests bench tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
