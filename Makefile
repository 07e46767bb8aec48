# make run   - installs what is missing, builds the editor and starts it under Wine
# make test  - installs what is missing, builds every preset and runs every test
# make bench - native benchmarks against their peers
# make fuzz  - fuzz every parser of outside input for a while
# make dist  - the folder a user receives: build/win32/dist (setup.exe, SETUP.INF and its files)
SHELL := /bin/bash
.PHONY: run test bench fuzz dist bootstrap clean

bootstrap:
	@tools/bootstrap

run: bootstrap
	@if source tools/lib/pe.sh && can_run_win32; then preset=win32; else \
	    echo "note: this host cannot run 32-bit Wine: starting the 64-bit build of the editor"; preset=win64; fi; \
	cmake --preset $$preset >/dev/null && cmake --build --preset $$preset --target marl && \
	tools/run-editor --prefix $(CURDIR)/build/$$preset/desktop-prefix build/$$preset/editor/marl.exe $(ARGS)

test:
	@tools/run-tests

dist: bootstrap
	cmake --preset win32 >/dev/null && cmake --build --preset win32 --target dist
	@echo "the distribution: build/win32/dist"; ls -l build/win32/dist

bench: bootstrap
	cmake --preset native >/dev/null && cmake --build --preset native
	@for b in build/native/benchmarks/*; do [ -x "$$b" ] && "$$b"; done; true

fuzz: bootstrap
	cmake --preset fuzz >/dev/null && cmake --build --preset fuzz
	@for f in build/fuzz/fuzzers/*; do [ -x "$$f" ] || continue; n=$$(basename $$f); \
	  mkdir -p build/fuzz/corpus/$$n; echo "== $$n"; \
	  "$$f" -max_total_time=$${TV_FUZZ_SECONDS:-120} -timeout=10 build/fuzz/corpus/$$n || exit 1; done

clean:
	rm -rf build
