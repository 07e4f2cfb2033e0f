BUILD ?= build
JOBS  ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test bench fuzz clean

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/brekko $(abspath $(BUILD))/examples/Beispiel.prj

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBREKKO_WERROR=OFF
	cmake --build build-bench -j $(JOBS) --target brekko_bench brekko_window_bench brekko_zip_bench
	build-bench/bench/brekko_bench
	build-bench/bench/brekko_window_bench
	build-bench/bench/brekko_zip_bench

fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DBREKKO_FUZZ=ON -DBREKKO_WERROR=OFF
	cmake --build build-fuzz -j $(JOBS) --target fuzz_project_reader
	mkdir -p build-fuzz/corpus && build-fuzz/fuzz/fuzz_project_reader -max_total_time=$${FUZZ_SECONDS:-60} -max_len=4096 build-fuzz/corpus fuzz/corpus

clean:
	rm -rf $(BUILD) build-bench build-fuzz
