# The fuzz targets, each a source file <name>.cpp with a seed corpus in corpus/<name>/.
set(ZEN_FUZZ_TARGETS numbers entry list_input shift_jis settings help_file smd)
