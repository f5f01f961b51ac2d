# make run  - install what is missing, build, start Lumikan Astrology
# make install - build, then install both programs (stripped), their manual
#                pages, the launcher entry and the shell completion under
#                PREFIX (default ~/.local); make uninstall removes them again
# make test - install what is missing, build, run every test, then the core
#             tests again under AddressSanitizer + UndefinedBehaviorSanitizer
# make screenshots - draw the main chart view and report pages offscreen into docs/screenshots
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build run install uninstall test test-normal test-asan bench fuzz screenshots clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake --preset normal >/dev/null
	@cmake --build --preset normal -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -x build/bin/lumikan ]; then \
	  build/bin/lumikan; \
	else \
	  echo "No display found: casting the sample chart with lumikan-cli instead."; \
	  build/bin/lumikan-cli chart --defaults --name "Sample" --date 1990-12-05 --time 14:07:00 \
	    --tz 5.5 --lat 18.5204 --lon 73.8567 --city Pune --state Maharashtra --country India; \
	fi

PREFIX ?= $(HOME)/.local
install: build
	@cmake --install build --prefix "$(PREFIX)" --strip
	@if command -v update-desktop-database >/dev/null; then update-desktop-database -q "$(PREFIX)/share/applications"; fi
	@if command -v update-mime-database >/dev/null; then update-mime-database "$(PREFIX)/share/mime"; fi
	@echo "Lumikan Astrology is installed: start it from the desktop's launcher or as $(PREFIX)/bin/lumikan"

# Removes what the last install under PREFIX wrote, by the list it left there.
uninstall:
	@cmake -DPREFIX="$(PREFIX)" -P cmake/Uninstall.cmake
	@if command -v update-desktop-database >/dev/null && [ -d "$(PREFIX)/share/applications" ]; then update-desktop-database -q "$(PREFIX)/share/applications"; fi
	@if command -v update-mime-database >/dev/null && [ -d "$(PREFIX)/share/mime/packages" ]; then update-mime-database "$(PREFIX)/share/mime"; fi

test: test-normal test-asan

test-normal: build
	@ctest --preset normal -j $(JOBS)

test-asan: deps
	@cmake --preset asan-ubsan >/dev/null
	@cmake --build --preset asan-ubsan -j $(JOBS)
	@ctest --preset asan-ubsan -L core -j $(JOBS)

bench: build
	@for b in build/bin/bench_*; do $$b; done

screenshots: deps
	@cmake --preset normal >/dev/null
	@cmake --build --preset normal --target lumikan_screenshots -j $(JOBS)
	@build/bin/lumikan_screenshots docs/screenshots

# The fuzz build instruments every target (the parsers in the document library
# above all) for coverage and the sanitizers; only the fuzz programs link
# libFuzzer. Qt itself stays uninstrumented.
FUZZ_SECONDS ?= 60
# As large as real inputs: settings files, chart files with long notes, small atlas files.
FUZZ_MAX_LEN ?= 65536
FUZZ_CXX_FLAGS = -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined \
  -fno-omit-frame-pointer
fuzz:
	@scripts/install-deps --fuzz
	@cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DLUMIKAN_FUZZ=ON -DLUMIKAN_CORE_ONLY=ON \
	  -DLUMIKAN_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(FUZZ_CXX_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
	  >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target $$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp//')
	@for f in fuzz/fuzz_*.cpp; do n=$$(basename $$f .cpp); c=fuzz/corpus/$${n#fuzz_}; \
	  mkdir -p build-fuzz/corpus/$$n; \
	  build-fuzz/bin/$$n build-fuzz/corpus/$$n $$c -max_len=$(FUZZ_MAX_LEN) \
	    -max_total_time=$(FUZZ_SECONDS) || exit 1; done

clean:
	rm -rf build build-asan build-fuzz
