# make run: install what is missing, build, start the game.
# make test: install what is missing, build, run the test suite.
# make fuzz: install clang and libFuzzer, build the record reading's fuzz target, run it a minute.
# make package: install what is missing, build, write build/nordamo_<version>_<arch>.deb.
# make test-tsan: the programs that solve on threads of their own and their tests, under
# ThreadSanitizer (whose runtime comes with g++) in build-tsan.
# WERROR=ON (developers, CI): every warning of the project's own code is an error.
JOBS ?= $(shell nproc)
configure = cmake --preset $(1) $(if $(WERROR),-DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR))

.PHONY: setup build run test test-sanitize test-tsan test-slow bench package check-book check-opening-values fuzz clean

# The tests and the benchmarks add their libraries to what setup installs.
test test-sanitize test-tsan test-slow: SETUP = test
bench: SETUP = bench
fuzz: SETUP = fuzz

setup:
	@bash scripts/setup.sh $(SETUP)

build: setup
	$(call configure,default)
	cmake --build --preset default -j $(JOBS)

run: build
	./build/app/nordamo

test: build
	ctest --preset default -j $(JOBS)

test-sanitize: setup
	$(call configure,sanitize)
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

test-tsan: setup
	$(call configure,tsan)
	cmake --build --preset tsan -j $(JOBS)
	ctest --preset tsan -j $(JOBS)

test-slow: build
	ctest --preset slow -j $(JOBS)

bench: build
	./build/bench/nordamo_bench
	./build/bench/nordamo_solver_bench

# The record reading under libFuzzer for a minute from the committed seeds; any finding fails.
fuzz: setup
	$(call configure,fuzz)
	cmake --build --preset fuzz -j $(JOBS)
	mkdir -p build-fuzz/corpus
	./build-fuzz/fuzz/record_reading_fuzz -max_total_time=60 -timeout=5 -print_final_stats=1 \
	  -dict=fuzz/record.dict -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus

package: build
	cmake --build --preset default --target package

check-book: build
	./build/tools/book_builder --check

check-opening-values: build
	./build/tools/opening_values_builder --check

clean:
	rm -rf build build-sanitize build-tsan build-fuzz
