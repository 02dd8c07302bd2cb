# Two commands do everything: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test deps build sanitize fuzz clean

run: build
	./scripts/run-demo.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j2 --timeout 600

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B build-asan -G Ninja -DKP_SANITIZE=ON -DKP_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
	cmake --build build-asan
	cd build-asan && ctest --output-on-failure -j2 --timeout 900

# Every fuzz target for FUZZ_SECONDS each (clang, libFuzzer).
FUZZ_SECONDS ?= 60
fuzz:
	./scripts/fuzz.sh $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-asan build-fuzz
