# ovss: `make test` and `make demo` are the two everyday commands.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
OVSS := $(BUILD)/bin/ovss

.PHONY: all deps configure build test demo bench studio fuzz format clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

demo: build
	@./scripts/demo.sh $(OVSS)

bench: configure
	@cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

studio: build
	@cmake --build $(BUILD) -j$(JOBS) --target ovss-studio
	@$(BUILD)/bin/ovss-studio

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DOVSS_FUZZ=ON -DOVSS_BUILD_DIALOGS=OFF > /dev/null
	@cmake --build $(BUILD)-fuzz -j$(JOBS) --target fuzzers
	@./scripts/fuzz.sh $(BUILD)-fuzz

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(BUILD)-fuzz
