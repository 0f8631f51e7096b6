.PHONY: test run
test:
	tools/run-tests

# The client on this display against the stand-in.
run:
	tools/run-client

# Each fuzz target runs for FUZZ_SECONDS (default 600); findings land in build/fuzz/findings.
FUZZ_SECONDS ?= 600
.PHONY: fuzz bench
fuzz:
	tools/install-deps --fuzz
	tools/configure fuzz >/dev/null && cmake --build --preset fuzz -j$$(nproc)
	tools/run-fuzz $(FUZZ_SECONDS)

# Natively every benchmark; then those of windows under Wine, in an Xvfb.
bench:
	tools/install-deps libxml2-dev libgumbo-dev pkg-config
	tools/configure bench >/dev/null && cmake --build --preset bench -j$$(nproc)
	for b in build/bench/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; \
	done
	tools/configure bench-win64 >/dev/null && cmake --build --preset bench-win64 -j$$(nproc)
	WINEPREFIX=$(CURDIR)/build/bench-win64/wineprefix xvfb-run -a -s "-screen 0 1280x1024x24" \
	  tools/stand-in/with-stand-in -- \
	  bash -c 'for b in build/bench-win64/bench/bench_*.exe; do tools/wine-run "$$b" || exit 1; done'
