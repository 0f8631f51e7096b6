.PHONY: test
test:
	tools/run-tests
