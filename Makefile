# Everything a fresh machine needs: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean fuzz test-asan package

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/chatwatch

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$(CURDIR)/$(BUILD)/tests/plugins ./$(BUILD)/bench/chatwatch_bench

clean:
	rm -rf $(BUILD)

# libFuzzer targets under ASan and UBSan; FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 20
FUZZERS = fuzz_detection fuzz_config fuzz_speechtext fuzz_chatlog
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCHATWATCH_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@for f in $(FUZZERS); do \
	    mkdir -p build-fuzz/corpus/$$f; \
	    echo "$$f: $(FUZZ_SECONDS) s"; \
	    ./build-fuzz/tests/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -artifact_prefix=tests/fuzz/regressions/$$f/ build-fuzz/corpus/$$f \
	        tests/fuzz/corpus/$$f tests/fuzz/regressions/$$f > build-fuzz/$$f.log 2>&1 \
	        || { tail -40 build-fuzz/$$f.log; echo "$$f failed: input kept in tests/fuzz/regressions/$$f"; exit 1; }; \
	    grep -E 'stat::number_of_executed_units' build-fuzz/$$f.log; \
	done

package: build
	cd $(BUILD) && cpack

# Every test under AddressSanitizer and UBSan.
test-asan: deps
	@cmake -S . -B build-asan -DCHATWATCH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure
