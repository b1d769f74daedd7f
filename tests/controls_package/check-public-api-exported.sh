#!/usr/bin/env bash
# Every function, signal, slot, constructor and static member the installed
# headers declare can be linked from another program against the shared
# library alone. Installs the runtime and -dev components into a scratch
# prefix, lists the headers' declarations with Doxygen, writes a program that
# uses each of them (make-api-probe.py) and links it.
# Usage: check-public-api-exported.sh BUILD_DIR WORK_DIR PROBE_PROJECT_DIR GENERATOR CXX DOXYGEN PYTHON [LAUNCHER]
set -euo pipefail
build_dir=$1 work_dir=$2 project_dir=$3 generator=$4 cxx=$5 doxygen=$6 python=$7 launcher=${8:-}
here=$(cd "$(dirname "$0")" && pwd)

prefix=$work_dir/prefix
rm -rf "$work_dir"
mkdir -p "$work_dir"
if ! { cmake --install "$build_dir" --prefix "$prefix" --component runtime &&
       cmake --install "$build_dir" --prefix "$prefix" --component devel; } >"$work_dir/install.log" 2>&1; then
  cat "$work_dir/install.log"
  echo "FAIL: the runtime and -dev components do not install"
  exit 1
fi
shopt -s nullglob
headers=("$prefix"/include/KeplerControls/*.h)
if [ ${#headers[@]} -eq 0 ]; then
  echo "FAIL: no headers installed in $prefix/include/KeplerControls"
  exit 1
fi

# The declarations as a reader of the headers sees them. Qt's macros are
# given what they declare that a program may link to: the meta-objects.
cat >"$work_dir/Doxyfile" <<DOXY
INPUT                 = ${headers[*]}
OUTPUT_DIRECTORY      = $work_dir/declarations
GENERATE_XML          = YES
XML_PROGRAMLISTING    = NO
GENERATE_HTML         = NO
GENERATE_LATEX        = NO
EXTRACT_ALL           = YES
EXTRACT_STATIC        = YES
EXTRACT_LOCAL_CLASSES = YES
QUIET                 = YES
WARNINGS              = NO
ENABLE_PREPROCESSING  = YES
MACRO_EXPANSION       = YES
EXPAND_ONLY_PREDEF    = YES
SEARCH_INCLUDES       = NO
PREDEFINED            = KEPLERCONTROLS_EXPORT= \
                        "Q_PROPERTY(x)=" "Q_ENUM(x)=" "Q_ENUM_NS(x)=" "Q_FLAG(x)=" "Q_FLAG_NS(x)=" \
                        "Q_DECLARE_FLAGS(name,enum)=typedef QFlags<enum> name;" \
                        "Q_DECLARE_OPERATORS_FOR_FLAGS(x)=" \
                        "Q_NAMESPACE=extern const QMetaObject staticMetaObject;" \
                        "Q_NAMESPACE_EXPORT(x)=extern const QMetaObject staticMetaObject;" \
                        "Q_OBJECT=public: static const QMetaObject staticMetaObject; private:" \
                        "Q_GADGET=public: static const QMetaObject staticMetaObject; private:"
DOXY
"$doxygen" "$work_dir/Doxyfile" >"$work_dir/doxygen.log" 2>&1
"$python" "$here/make-api-probe.py" "$work_dir/declarations/xml" "$work_dir/api_probe.cpp" "${headers[@]}"

args=(-S "$project_dir" -B "$work_dir/build" -G "$generator"
      -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_PREFIX_PATH="$prefix"
      -DAPI_PROBE_SOURCE="$work_dir/api_probe.cpp")
if [ -n "$launcher" ]; then
  args+=(-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher")
fi
if ! cmake "${args[@]}" >"$work_dir/configure.log" 2>&1; then
  cat "$work_dir/configure.log"
  echo "FAIL: the probe does not configure against the installed package"
  exit 1
fi
if ! cmake --build "$work_dir/build" >"$work_dir/build.log" 2>&1; then
  if grep -q "undefined reference" "$work_dir/build.log"; then
    echo "FAIL: declared in the installed headers, not exported from the shared library:"
    grep -o "undefined reference to .*" "$work_dir/build.log" | sort -u | sed 's/^undefined reference to /  /'
  else
    cat "$work_dir/build.log"
    echo "FAIL: the probe that uses every declaration does not compile ($work_dir/api_probe.cpp)"
  fi
  exit 1
fi
echo "every declaration of the installed headers links against the shared library"
