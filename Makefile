# The two everyday commands: `make run` and `make test` (see README.md).
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all setup configure build run test clean

all: build

setup:
	@tools/setup-debian.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@BUILD_DIR=$(abspath $(BUILD_DIR)) tools/run-designer.sh

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
