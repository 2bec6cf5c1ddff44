# make run   — set up, build the Windows program and start it under Wine
# make test  — set up, build and run every test; ends with "N passed, N failed"
.PHONY: all setup native win32 run test clean

all: win32

setup:
	@./tools/setup.sh

native: setup
	@cmake --preset native >/dev/null
	@cmake --build build/native -j2

win32: setup
	@cmake --preset win32 >/dev/null
	@cmake --build build/win32 -j2

run: win32
	@./tools/run.sh

test: setup
	@./tools/test.sh

clean:
	rm -rf build
