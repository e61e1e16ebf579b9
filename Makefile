# Shortcuts over CMake: `make run` builds and starts the program, `make test`
# builds and runs every test. Both configure the build directory on first use.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all build run test clean

all: build

$(BUILD)/CMakeCache.txt:
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) --parallel

run: build
	@./$(BUILD)/polyadd

test: build
	@ctest --test-dir $(BUILD) --output-on-failure

clean:
	rm -rf $(BUILD)
