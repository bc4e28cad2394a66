#!/bin/sh
# run-tool.sh TOOL ARGS...: runs TOOL, or reports it missing with exit status
# 77, which the packaging tests take as "skipped".
if ! command -v "$1" >/dev/null 2>&1; then
  echo "$1 is not installed: skipped"
  exit 77
fi
exec "$@"
