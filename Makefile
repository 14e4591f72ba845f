# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(CI),true)
CMAKE_FLAGS += -DVESPERA_WERROR=ON
endif

.PHONY: all deps configure build run test bench format clean test-sanitize fuzz

all: build

deps:
	@tools/install-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	tools/run-vespera $(BUILD)/vespera/vespera

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS) --timeout 300

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer, in a folder of its own; the
# reports of every process the tests start end up in the output (tools/sanitize/run-tests).
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS = -O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
# The compiler drops its default --as-needed when it sanitizes; linking as the plain build does keeps
# libraries the program never calls (the SVG module) out of it, as the start test expects.
SANITIZE_LINK_FLAGS = $(SANITIZE_FLAGS) -Wl,--as-needed
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVESPERA_BUILD_BENCH=OFF \
		"-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE_LINK_FLAGS)" \
		"-DCMAKE_SHARED_LINKER_FLAGS=$(SANITIZE_LINK_FLAGS)" "-DCMAKE_MODULE_LINKER_FLAGS=$(SANITIZE_LINK_FLAGS)"
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	tools/sanitize/run-tests $(SANITIZE_BUILD) -j$(JOBS)

# The fuzz targets, built with clang in a folder of their own and run one after another.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESPERA_BUILD_FUZZ=ON -DVESPERA_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target vespera_resources_resources_1 fuzz_translation_table fuzz_update_info fuzz_settings
	@for run in translation_table:$(FUZZ_BUILD)/resources/translations update_info:tests/data/update \
			settings:tests/fuzz/corpus/settings; do \
		name=$${run%%:*}; mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
		nice -n 19 $(FUZZ_BUILD)/tests/fuzz/fuzz_$$name -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			$(FUZZ_BUILD)/corpus/$$name $${run#*:} || exit 1; \
	done

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
