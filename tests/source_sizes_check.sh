#!/usr/bin/env bash
# source_sizes_check.sh SOURCE_DIR
# The product's files stay short and single-purpose: none in world/,
# actors/, app/, render/ or ui/ runs over 400 lines, and none of their
# functions over 60, counted from the first line of the signature to the
# closing brace. Tools and tests are left aside. Names every file and
# function at fault.
set -euo pipefail
cd "$1"
files=$(ls world/*.cpp world/*.h actors/*.cpp actors/*.h app/*.cpp app/*.h \
           render/*.cpp render/*.h ui/*.cpp ui/*.h)
faults=$(awk -v most_lines=400 -v most_function_lines=60 '
FNR == 1 {
    if (NR > 1 && last_lines > most_lines) print last_file ": " last_lines " lines"
    depth = 0; function_open = 0; head = 0
}
{
    last_file = FILENAME; last_lines = FNR
    line = $0
    sub(/\/\/.*/, "", line)
    gsub(/"([^"\\]|\\.)*"/, "\"\"", line)
    gsub(/\047([^\047\\]|\\.)*\047/, "0", line)
    # A top-level signature starts at the left margin.
    if (line ~ /^[A-Za-z_]/ && !function_open) { head = FNR; head_text = line }
    n = length(line)
    for (i = 1; i <= n; ++i) {
        c = substr(line, i, 1)
        if (c == "{") {
            kind[++depth] = "block"
            if (line ~ /^[ \t]*(namespace|extern "")/) kind[depth] = "namespace"
            else if (!function_open && head_text !~ /^[ \t]*(struct|class|enum|union)[ \t]/ &&
                     head_text !~ /=/) {
                kind[depth] = "function"; function_open = 1; start = head ? head : FNR
            }
        } else if (c == "}" && depth > 0) {
            if (kind[depth] == "function") {
                function_open = 0
                if (FNR - start + 1 > most_function_lines)
                    print FILENAME ":" start ": a function of " FNR - start + 1 " lines"
            }
            --depth
        }
    }
}
END { if (last_lines > most_lines) print last_file ": " last_lines " lines" }
' $files)
if [ -n "$faults" ]; then
  echo "Over 400 lines a file or 60 lines a function:"
  echo "$faults"
  exit 1
fi
