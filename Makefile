# The two everyday commands: `make run` and `make test` (see README.md).
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all setup configure build run test fuzz clean

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

# Fuzzing: clang with libFuzzer and AddressSanitizer in a build folder of its
# own; each fuzzer runs FUZZ_TIME seconds over its seed corpus in fuzz/corpus/.
# New inputs it finds go to $(FUZZ_DIR)/corpus/, crashes to $(FUZZ_DIR)/.
FUZZ_DIR ?= build-fuzz
FUZZ_TIME ?= 60
FUZZERS ?= das_reader:das project_loader:lzd

fuzz:
	@tools/setup-debian.sh fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DZD740_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	@for f in $(FUZZERS); do \
		name=$${f%%:*}; corpus=$${f##*:}; \
		cmake --build $(FUZZ_DIR) --target $${name}_fuzz -j $(JOBS) || exit 1; \
		mkdir -p $(FUZZ_DIR)/corpus/$$corpus; \
		(cd $(FUZZ_DIR) && fuzz/$${name}_fuzz -max_total_time=$(FUZZ_TIME) -timeout=10 \
			corpus/$$corpus $(abspath fuzz/corpus/$$corpus)) || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR)
