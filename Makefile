.PHONY: test
test:
	tools/run-tests

# Each fuzz target runs for FUZZ_SECONDS (default 600); findings land in build/fuzz/findings.
FUZZ_SECONDS ?= 600
.PHONY: fuzz bench
fuzz:
	tools/install-deps clang libclang-rt-14-dev
	cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j$$(nproc)
	tools/run-fuzz $(FUZZ_SECONDS)

bench:
	tools/install-deps libxml2-dev libgumbo-dev pkg-config
	cmake --preset bench >/dev/null && cmake --build --preset bench -j$$(nproc)
	for b in build/bench/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; \
	done
