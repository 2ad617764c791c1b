# Everything a newcomer needs: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= 2

.PHONY: all deps configure build run test bench fuzz test-asan format clean install package
FUZZ_SECONDS ?= 60

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/bolvera $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300

# PREFIX=/usr/local by default; DESTDIR works as usual.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in build/, bolvera_VERSION_amd64.deb with the version of
# project() in CMakeLists.txt (dpkg -i build/bolvera_1.2.85_amd64.deb).
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; "$$b" --benchmark_min_time=0.5; done

# Each fuzz harness for FUZZ_SECONDS (clang, ASan, UBSan); fails on any finding.
fuzz: deps
	@bash scripts/install-fuzz-deps.sh
	@[ -f build-fuzz/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBOLVERA_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_todos
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_JOBS=$(JOBS) bash scripts/fuzz.sh build-fuzz

# The whole suite built with ASan and UBSan.
test-asan: deps
	@[ -f build-asan/build.ninja ] || cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBOLVERA_ASAN=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS) --timeout 600

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
