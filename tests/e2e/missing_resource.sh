#!/usr/bin/env bash
# An executable that lacks a tile or the title picture names it in an error
# box, opens no game window and ends with status 1.
source "$(dirname "$0")/lib.sh"

start_x
for missing in BITMAPO:BitmapO BITMAPF3:BitmapF3 JPEG1:JPEG1; do
  expect_start_failure "$ROFO_TESTS/rofo_without_${missing%:*}" "${missing#*:} リソースが見つかりません"
done
