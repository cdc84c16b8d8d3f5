#!/usr/bin/env bash
# Measures the table of player_room.cpp: for each base shape and square map side, the
# share of maps (in percent) on which 1, 2, ..., 7 players find room. Each map is made
# with the default settings and 7 players asked for; the headquarters are placed one
# after the other from the same random numbers whatever the number asked, so a map that
# holds k players holds every smaller number too.
#   src/wizard/player_room_measure.sh SWDGEN [MAPS_PER_ENTRY]   # prints the table's rows
set -euo pipefail
swdgen="$1"
maps="${2:-20}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
shapes=("NoIsland:--no-island" "Island:" "IslandSymmetric:--extended --shape insel-sym"
        "Spiral:--extended --shape spirale" "SpiralWithRing:--extended --shape spirale-ring"
        "Ring:--extended --shape ring")
for entry in "${shapes[@]}"; do
  name="${entry%%:*}"
  options="${entry#*:}"
  for side in $(seq 32 16 256); do
    # shellcheck disable=SC2086
    "$swdgen" generate --count "$maps" --jobs 1 --seed 1000 --width "$side" --height "$side" \
      --players 7 --quiet $options --out "$work/m" >"$work/out.txt"
    awk -v name="$name" -v side="$side" '
      /^map / { for (i = 1; i <= NF; ++i) if ($i == "players") placed = $(i + 1);
                ++maps; for (n = 1; n <= placed; ++n) ++held[n] }
      END { printf "    {BaseShape::%s, %d, {", name, side;
            for (n = 1; n <= 7; ++n) printf "%s%d", (n > 1 ? ", " : ""), int(100 * held[n] / maps + 0.5);
            print "}}," }' "$work/out.txt"
    rm -f "$work"/m-*
  done
done
