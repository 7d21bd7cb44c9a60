#!/usr/bin/env bash
# source_sizes_check.sh SOURCE_DIR
# The product's files stay short and single-purpose: none in world/,
# actors/, app/, render/ or ui/ runs over 400 lines, and none of their
# functions over 60, counted from the first line of the signature to the
# closing brace. Functions defined inside class bodies count, and so do
# signatures with default arguments or an operator=; a brace after `=`, a
# name or a comma opens an initializer, not a function. Tools and tests are
# left aside. Names every file and function at fault.
set -euo pipefail
cd "$1"
files=$(ls world/*.cpp world/*.h actors/*.cpp actors/*.h app/*.cpp app/*.h \
           render/*.cpp render/*.h ui/*.cpp ui/*.h)
faults=$(awk -v most_lines=400 -v most_function_lines=60 '
# What a brace opens at namespace or class level, from the declaration
# before it: a namespace, a class body, a function body, or an initializer.
function opened(text) {
    if (text ~ /^[ \t]*(inline[ \t]+)?namespace([^A-Za-z0-9_]|$)/ || text ~ /^[ \t]*extern[ \t]*""[ \t]*$/)
        return "namespace"
    if (text ~ /(^|[^A-Za-z0-9_])enum([^A-Za-z0-9_]|$)/) return "init"
    if (text ~ /(^|[^A-Za-z0-9_])(struct|class|union)([^A-Za-z0-9_]|$)/ && text !~ /\(/) return "class"
    if (text ~ /\)[ \t]*((const|noexcept|override|final|mutable)[ \t]*)*$/) return "function"
    if (text ~ /\(.*\)[ \t]*->[^=]*$/) return "function"  # a trailing return type
    if (text ~ /\).*:.*\}[ \t]*$/) return "function"      # after a member initializer list
    return "init"
}
FNR == 1 {
    if (NR > 1 && last_lines > most_lines) print last_file ": " last_lines " lines"
    depth = 0; function_open = 0; statement = 0; text = ""
}
{
    last_file = FILENAME; last_lines = FNR
    line = $0
    sub(/\/\/.*/, "", line)
    gsub(/\/\*([^*]|\*[^\/])*\*\//, " ", line)
    gsub(/"([^"\\]|\\.)*"/, "\"\"", line)
    gsub(/\047([^\047\\]|\\.)*\047/, "0", line)
    if (line ~ /^[ \t]*#/ || line ~ /^[ \t]*(public|private|protected)[ \t]*:[ \t]*$/) next
    scope = depth ? kind[depth] : "namespace"
    outside = !function_open && (scope == "namespace" || scope == "class")
    # A declaration starts on its first line that holds anything.
    if (outside && !statement && line ~ /[^ \t]/) { statement = FNR; text = "" }
    else if (outside && statement) text = text " "
    n = length(line)
    for (i = 1; i <= n; ++i) {
        c = substr(line, i, 1)
        scope = depth ? kind[depth] : "namespace"
        outside = !function_open && (scope == "namespace" || scope == "class")
        if (c == "{") {
            if (!outside) { kind[++depth] = "block"; continue }
            kind[++depth] = opened(text)
            if (kind[depth] == "function") { function_open = 1; start = statement ? statement : FNR }
            else if (kind[depth] != "init") { statement = 0; text = "" }
        } else if (c == "}" && depth > 0) {
            if (kind[depth] == "function") {
                function_open = 0
                if (FNR - start + 1 > most_function_lines)
                    print FILENAME ":" start ": a function of " FNR - start + 1 " lines"
            }
            if (kind[depth] != "init" && kind[depth] != "block") { statement = 0; text = "" }
            --depth
        } else if (outside) {
            if (c == ";") { statement = 0; text = "" }
            else text = text c
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
