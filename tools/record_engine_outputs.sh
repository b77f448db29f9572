#!/bin/sh
# Records what the engine does on every puzzle of a corpus: the moves of
# `vantry-cli steps` and the Big hint of each puzzle's first move, one output
# file per corpus file. Run before and after a change to the engine and compare
# the two folders with `diff -r`: a refactoring must leave them byte-identical.
#   tools/record_engine_outputs.sh BUILD_DIR CORPUS_DIR OUT_DIR
set -eu
cli="$1/src/cli/vantry-cli"
corpus="$2"
out="$3"
mkdir -p "$out"
for f in "$corpus"/*.txt; do
  name=$(basename "$f" .txt)
  "$cli" steps "$f" >"$out/$name.steps" 2>&1 || echo "exit $?" >>"$out/$name.steps"
  "$cli" hint --level big "$f" >"$out/$name.big" 2>&1 || echo "exit $?" >>"$out/$name.big"
done
