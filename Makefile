# The two commands of the README: `make run` and `make test`.
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
DEBUG_DIR ?= build/debug
REL_DIR   ?= build/release
FUZZ_DIR  ?= build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps test run package build-debug build-release bench fuzz format clean tabelas

all: build-release

deps:
	@bash tools/install-deps.sh

build-debug: deps
	cmake -S . -B $(DEBUG_DIR) -DCMAKE_BUILD_TYPE=Debug -DCORVANA_SANITIZE=ON
	cmake --build $(DEBUG_DIR) -j $(JOBS)

build-release: deps
	cmake -S . -B $(REL_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(REL_DIR) -j $(JOBS)

test: build-debug
	cd $(DEBUG_DIR) && ctest --output-on-failure -j $(JOBS)

# Builds only the programs, quietly (the build log goes to $(REL_DIR)/build.log), then starts.
run: deps
	@bash tools/run.sh $(REL_DIR) --build

# The Debian package corvana_<version>_<arch>.deb, in $(REL_DIR).
package: build-release
	cd $(REL_DIR) && cpack -G DEB
	@ls -1 $(REL_DIR)/corvana_*.deb

bench: build-release
	@for b in $(REL_DIR)/bench/corvana_bench_*; do echo "== $$b"; $$b; done

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANA_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target corvana_fuzzers
	@mkdir -p fuzz-corpus
	@for f in $(FUZZ_DIR)/fuzz/fuzz_*; do n=$$(basename $$f); mkdir -p fuzz-corpus/$$n; \
	  echo "== $$n"; $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 fuzz-corpus/$$n \
	    $$( [ -d fuzz/corpus/$$n ] && echo fuzz/corpus/$$n ) || exit 1; done

# The official tables of data/tabelas, rebuilt from data/oficial by the converter.
tabelas: build-release
	@bash tools/build-tables.sh $(REL_DIR)/src/cli/corvana-cli

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf build
