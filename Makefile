BUILD ?= build
JOBS  ?= $(shell nproc)
BENCHES = brekko_bench brekko_window_bench brekko_copy_bench brekko_print_bench brekko_export_bench \
          brekko_filelist_bench brekko_zip_bench brekko_rar_bench brekko_settings_bench \
          brekko_hostile_bench brekko_catalogue_bench
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

PREFIX ?= /usr/local
FUZZ_TARGET ?= fuzz_project_reader
FUZZ_SEEDS = $(if $(filter fuzz_zip_directory,$(FUZZ_TARGET)),fuzz/zip-corpus,fuzz/corpus)

.PHONY: deps build run test install package bench fuzz clean

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

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBREKKO_WERROR=OFF -DBREKKO_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target $(BENCHES)
	for b in $(BENCHES); do build-bench/bench/$$b || exit 1; done

fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DBREKKO_FUZZ=ON -DBREKKO_WERROR=OFF -DBREKKO_BENCH=ON
	cmake --build build-fuzz -j $(JOBS) --target $(FUZZ_TARGET)
	mkdir -p build-fuzz/corpus-$(FUZZ_TARGET) && build-fuzz/fuzz/$(FUZZ_TARGET) -max_total_time=$${FUZZ_SECONDS:-60} -max_len=4096 -print_final_stats=1 build-fuzz/corpus-$(FUZZ_TARGET) $(FUZZ_SEEDS)

clean:
	rm -rf $(BUILD) build-bench build-fuzz
