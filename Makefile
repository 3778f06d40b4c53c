# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
SAN_DIR   ?= build-asan
JOBS      ?= $(shell nproc)
CMAKE_GEN := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all deps configure build run test test-sanitize bench fuzz format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake -S . -B $(BUILD_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/tamro

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	@test -f $(SAN_DIR)/CMakeCache.txt || cmake -S . -B $(SAN_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTAMRO_SANITIZE=ON -DTAMRO_BUILD_BENCH=OFF
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/*; do [ -x "$$b" ] && [ -f "$$b" ] && "$$b"; done; true

# Runs each libFuzzer target for FUZZ_SECONDS (a clang build in build-fuzz).
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	@test -f $(FUZZ_DIR)/CMakeCache.txt || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMRO_FUZZ=ON -DTAMRO_BUILD_TESTS=OFF -DTAMRO_BUILD_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_scanner fuzz_undefined_search fuzz_rtf_reader fuzz_settings_round_trip fuzz_message_reader
	mkdir -p $(FUZZ_DIR)/corpus-scanner $(FUZZ_DIR)/corpus-undefined $(FUZZ_DIR)/corpus-rtf $(FUZZ_DIR)/corpus-settings $(FUZZ_DIR)/corpus-lsp
	$(FUZZ_DIR)/fuzz/fuzz_scanner -max_total_time=$(FUZZ_SECONDS) -dict=tests/fuzz/opl.dict $(FUZZ_DIR)/corpus-scanner tests/data/analysis/fuzz
	$(FUZZ_DIR)/fuzz/fuzz_undefined_search -max_total_time=$(FUZZ_SECONDS) -dict=tests/fuzz/opl.dict $(FUZZ_DIR)/corpus-undefined tests/data/analysis/fuzz
	$(FUZZ_DIR)/fuzz/fuzz_rtf_reader -max_total_time=$(FUZZ_SECONDS) -dict=tests/fuzz/rtf.dict $(FUZZ_DIR)/corpus-rtf tests/data/dialogs/rtf-fuzz
	$(FUZZ_DIR)/fuzz/fuzz_settings_round_trip -max_total_time=$(FUZZ_SECONDS) $(FUZZ_DIR)/corpus-settings tests/data/app/settings-fuzz
	$(FUZZ_DIR)/fuzz/fuzz_message_reader -max_total_time=$(FUZZ_SECONDS) -dict=tests/fuzz/lsp.dict $(FUZZ_DIR)/corpus-lsp tests/data/lsp/fuzz

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR)
