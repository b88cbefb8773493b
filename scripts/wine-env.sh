# shellcheck shell=bash
# The Wine lanes' environment; source it, then call its functions.
#
#   KVR_WINE_ARCH      set before sourcing: win64 (the default) or win32, the
#                      product's 32-bit lane with a prefix and loader of its own
#   KVR_WINE           the Wine loader, by path: /usr/lib/wine/wine64 for win64
#                      (Debian's wine64 package puts no command on PATH, and
#                      once 32-bit Wine is installed /usr/bin/wine runs the
#                      32-bit loader, which cannot start a 64-bit prefix);
#                      /usr/lib/wine/wine (KVR_WINE32 overrides it) for win32
#   KVR_WINESERVER     the server that goes with it: /usr/lib/wine/wineserver64
#                      or /usr/lib/wine/wineserver32
#   KVR_RUBY_EXE       the cross-built Ruby 3.1 ruby.exe (scripts/build-ruby-win64.sh)
#   KVR_RUBY18_EXE     the cross-built Ruby 1.8.7 ruby.exe (scripts/build-ruby18-win32.sh)
#   KVR_MINITEST_LIB   Debian's minitest, as a Windows path
#   WINEPREFIX         a prefix under the cache, made once by wine_prefix_init
#                      (KVR_WINE32_PREFIX moves the win32 one):
#                      wine-prefix (win64) or wine32-prefix (win32)
#
#   i386_probe         whether this machine's kernel runs i386 executables;
#                      when not, prints why on one line and returns 1
#   wine_prefix_init   makes the prefix if it is not there yet, and claims it
#                      for this shell (waits while another run holds it)
#   to_wine_path P     the Windows path of a Unix path (Wine maps / to Z:)
#   build_win64_module builds the cross-built Ruby (once) and the win64 module,
#                      quietly, from the repository's root
#   xvfb_start         starts Xvfb on a free display, exports DISPLAY, and
#                      stops it again when the sourcing shell exits (an EXIT
#                      trap; a caller that sets its own must call xvfb_stop)
#   xvfb_stop          waits for this prefix's Windows programs, stops Xvfb
#   wine_run PROG ARGS...  runs a Windows program; CR LF line ends become LF
#                      on stdout and stderr; its exit status is kept (124
#                      when it runs longer than KVR_WINE_TIMEOUT seconds,
#                      default 900)
#   wine_ruby ARGS...  wine_run with the Ruby 3.1 ruby.exe, minitest on its
#                      load path
#   wine_ruby18 ARGS...  wine_run with the Ruby 1.8.7 ruby.exe (test/unit is
#                      part of its library)

KVR_CACHE=${KVR_CACHE:-/var/cache/kvr_gui}
KVR_WINE_ARCH=${KVR_WINE_ARCH:-win64}
export WINEDEBUG=-all

case $KVR_WINE_ARCH in
  win64)
    export WINEPREFIX=${WINEPREFIX:-$KVR_CACHE/wine-prefix}
    export WINEARCH=win64
    KVR_WINE=${KVR_WINE:-/usr/lib/wine/wine64}
    KVR_WINESERVER=${KVR_WINESERVER:-/usr/lib/wine/wineserver64}
    _kvr_elf_class=2
    ;;
  win32)
    # Not WINEPREFIX: a 64-bit lane that started this one may have exported it.
    export WINEPREFIX=${KVR_WINE32_PREFIX:-$KVR_CACHE/wine32-prefix}
    export WINEARCH=win32
    KVR_WINE=${KVR_WINE32:-/usr/lib/wine/wine}
    KVR_WINESERVER=${KVR_WINESERVER:-/usr/lib/wine/wineserver32}
    _kvr_elf_class=1
    ;;
  *)
    echo "wine-env: KVR_WINE_ARCH is win64 or win32, not '$KVR_WINE_ARCH'" >&2
    return 1
    ;;
esac

KVR_RUBY_EXE=${KVR_RUBY_EXE:-$KVR_CACHE/ruby-3.1-x64-mingw32/bin/ruby.exe}
KVR_RUBY18_EXE=${KVR_RUBY18_EXE:-$KVR_CACHE/ruby-1.8.7-i386-mingw32/bin/ruby.exe}

# A static i386 program that only exits with 42 through the kernel's i386
# system call gate: it runs where the kernel has IA-32 emulation, and a
# kernel without it refuses it with "Exec format error". No 32-bit Wine can
# run where this does not.
i386_probe() {
  local dir status=0 out
  if ! command -v as >/dev/null || ! command -v ld >/dev/null; then
    echo "no assembler or linker to build the i386 probe (install binutils)"
    return 1
  fi
  dir=$(mktemp -d) || return 1
  # shellcheck disable=SC2016 # assembler text, not shell expansions
  printf '%s\n' '.globl _start' '_start:' 'movl $1, %eax' 'movl $42, %ebx' 'int $0x80' \
    >"$dir/probe.s"
  if ! as --32 -o "$dir/probe.o" "$dir/probe.s" 2>"$dir/log" ||
    ! ld -m elf_i386 -s -o "$dir/probe" "$dir/probe.o" 2>>"$dir/log"; then
    echo "could not build the i386 probe: $(head -n 1 "$dir/log")"
    rm -rf "$dir"
    return 1
  fi
  out=$("$dir/probe" 2>&1) || status=$?
  rm -rf "$dir"
  case $status in
    42) return 0 ;;
    126) echo "this machine's kernel refuses i386 executables (${out##*: }): 32-bit Wine cannot run here" ;;
    *) echo "the i386 probe exited with status $status instead of 42${out:+: $out}" ;;
  esac
  return 1
}

build_win64_module() {
  bash scripts/build-ruby-win64.sh >/dev/null &&
    cmake --preset win64 >/dev/null &&
    cmake --build --preset win64 --target kvr_gui >/dev/null
}

to_wine_path() {
  local unix
  unix=$(realpath -m -- "$1") || return 1
  printf 'Z:%s\n' "$unix"
}

# The newest minitest that Debian's ruby-minitest installed.
_kvr_minitest_lib() {
  local dir
  dir=$(find /usr/share/rubygems-integration/all/gems -maxdepth 1 -type d -name 'minitest-*' \
    2>/dev/null | sort -V | tail -n 1)
  if [[ -n $dir && -f $dir/lib/minitest.rb ]]; then
    to_wine_path "$dir/lib"
  fi
}
KVR_MINITEST_LIB=${KVR_MINITEST_LIB:-$(_kvr_minitest_lib)}

# Wine's own TrueType faces (Debian's fonts-wine: Tahoma for "MS Shell Dlg",
# Marlett for the caption buttons) into the prefix's Fonts folder, which Wine
# always reads; without them the close box shows an "r". Cheap when done.
_kvr_wine_fonts() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts source=/usr/share/wine/fonts
  compgen -G "$source/*.ttf" >/dev/null || return 0
  mkdir -p "$fonts" && cp -u "$source"/*.ttf "$fonts"/
}

# One Wine session (one wineserver per prefix) can serve one X display: a
# second run on another Xvfb display in the same prefix dies with X errors
# (BadWindow). So runs take turns: the claim is a lock held by this shell
# until it exits. A prefix costs about 700 MB; one is enough for two cores.
KVR_PREFIX_LOCK_FD=
KVR_WINE_JOB=

_kvr_claim_prefix() {
  [[ -n $KVR_PREFIX_LOCK_FD ]] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec {KVR_PREFIX_LOCK_FD}>"$WINEPREFIX.run.lock"
  if ! flock -n "$KVR_PREFIX_LOCK_FD"; then
    echo "wine-env: waiting for another Wine run in $WINEPREFIX to finish" >&2
    flock "$KVR_PREFIX_LOCK_FD"
  fi
  trap '_kvr_interrupted 129' HUP
  trap '_kvr_interrupted 130' INT
  trap '_kvr_interrupted 143' TERM
}

# Interrupted: every Windows program of the claimed prefix belongs to this
# run, so end them all; the EXIT trap then stops Xvfb.
_kvr_interrupted() {
  trap - HUP INT TERM
  if [[ -n $KVR_WINE_JOB ]]; then
    kill "$KVR_WINE_JOB" 2>/dev/null || true
  fi
  "$KVR_WINESERVER" -k 2>/dev/null || true
  exit "$1"
}

wine_prefix_init() {
  local stamp=$WINEPREFIX/.kvr-ready
  _kvr_check_loader || return 1
  _kvr_claim_prefix || return 1
  if [[ -f $stamp ]]; then
    _kvr_wine_fonts
    return
  fi
  (
    # No Mono or Gecko installers: nothing here needs them.
    WINEDLLOVERRIDES="mscoree,mshtml=" "$KVR_WINE" wineboot --init >/dev/null 2>&1 || exit 1
    # Wine draws the frame and caption itself: Xvfb has no window manager.
    for value in Managed Decorated; do
      "$KVR_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v "$value" /d N /f >/dev/null 2>&1 ||
        exit 1
    done
    # The registry reaches the disk when the server ends.
    "$KVR_WINESERVER" -w
    _kvr_wine_fonts || exit 1
    touch "$stamp"
  ) || {
    echo "wine-env: could not make the Wine prefix $WINEPREFIX with the loader $KVR_WINE" >&2
    _kvr_loader_hint
    return 1
  }
}

_kvr_loader_hint() {
  if [[ $WINEARCH == win64 ]]; then
    echo "wine-env: KVR_WINE chooses the loader; this win64 prefix needs the 64-bit one" \
      "(Debian: /usr/lib/wine/wine64 from the wine64 package, not /usr/bin/wine)" >&2
  else
    echo "wine-env: KVR_WINE32 chooses the loader; this win32 prefix needs the 32-bit one" \
      "(Debian: /usr/lib/wine/wine from the wine32:i386 package)" >&2
  fi
}

# The loader must be an ELF program of the prefix's width: /usr/bin/wine is a
# script that runs the 32-bit loader whenever 32-bit Wine is installed, and
# the 32-bit loader fails on a 64-bit prefix with "could not load kernel32.dll".
_kvr_check_loader() {
  local class bits=64
  ((_kvr_elf_class == 1)) && bits=32
  if [[ ! -x $KVR_WINE ]]; then
    echo "wine-env: no Wine loader at $KVR_WINE" >&2
    _kvr_loader_hint
    return 1
  fi
  class=$(od -An -tu1 -j4 -N1 "$KVR_WINE" 2>/dev/null | tr -d ' ')
  if [[ $(head -c4 "$KVR_WINE" 2>/dev/null | od -An -c | tr -d ' ') == 177ELF && $class != "$_kvr_elf_class" ]]; then
    echo "wine-env: $KVR_WINE is not a $bits-bit program" >&2
    _kvr_loader_hint
    return 1
  fi
}

KVR_XVFB_PID=

xvfb_start() {
  [[ -n $KVR_XVFB_PID ]] && return 0
  _kvr_claim_prefix || return 1
  local fifo_dir display=
  fifo_dir=$(mktemp -d) || return 1
  mkfifo "$fifo_dir/display"
  # Xvfb picks a free display itself and writes its number once it accepts
  # connections.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo_dir/display" \
    >/dev/null 2>"$fifo_dir/log" {KVR_PREFIX_LOCK_FD}>&- &
  KVR_XVFB_PID=$!
  read -r -t 20 display <"$fifo_dir/display" || true
  if [[ -z $display ]]; then
    echo "wine-env: Xvfb did not start:" >&2
    cat "$fifo_dir/log" >&2
    rm -rf "$fifo_dir"
    xvfb_stop
    return 1
  fi
  rm -rf "$fifo_dir"
  export DISPLAY=:$display
  trap xvfb_stop EXIT
}

xvfb_stop() {
  [[ -n $KVR_XVFB_PID ]] || return 0
  # Let this run's Windows programs and their wineserver end before the
  # display goes; the prefix is claimed, so whatever still runs is this run's.
  timeout 30 "$KVR_WINESERVER" -w 2>/dev/null || "$KVR_WINESERVER" -k 2>/dev/null || true
  kill "$KVR_XVFB_PID" 2>/dev/null || true
  wait "$KVR_XVFB_PID" 2>/dev/null || true
  KVR_XVFB_PID=
}

# Windows programs write CR LF; the lane's logs and the callers' greps want LF.
_kvr_strip_cr() { sed -u 's/\r$//'; }

# Runs a Windows program under Wine with a time limit (KVR_WINE_TIMEOUT,
# default 900 s: status 124 after it), output with LF line ends, and returns
# its exit status. The run is a background job so that the shell's wait,
# unlike a foreground command, lets a signal trap run at once.
wine_run() {
  (
    (
      timeout --kill-after=10 "${KVR_WINE_TIMEOUT:-900}" "$KVR_WINE" "$@" </dev/null \
        2>&1 1>&3 3>&- | _kvr_strip_cr >&2
      exit "${PIPESTATUS[0]}"
    ) 3>&1 | _kvr_strip_cr
    exit "${PIPESTATUS[0]}"
  ) &
  KVR_WINE_JOB=$!
  local status=0
  wait "$KVR_WINE_JOB" || status=$?
  KVR_WINE_JOB=
  if ((status == 124 || status == 137)); then
    # Timed out: the programs it started may still run; they are this run's.
    "$KVR_WINESERVER" -k 2>/dev/null || true
  fi
  return "$status"
}

wine_ruby() {
  [[ -f $KVR_RUBY_EXE ]] || {
    echo "wine-env: no ruby.exe at $KVR_RUBY_EXE (run scripts/build-ruby-win64.sh)" >&2
    return 1
  }
  [[ -n $KVR_MINITEST_LIB ]] || {
    echo "wine-env: Debian's minitest is missing (install ruby-minitest)" >&2
    return 1
  }
  # RUBYLIB, unlike -I, reaches the child Ruby processes a test starts.
  RUBYLIB="$KVR_MINITEST_LIB${RUBYLIB:+;$RUBYLIB}" wine_run "$KVR_RUBY_EXE" "$@"
}

wine_ruby18() {
  [[ -f $KVR_RUBY18_EXE ]] || {
    echo "wine-env: no ruby.exe at $KVR_RUBY18_EXE (run scripts/build-ruby18-win32.sh)" >&2
    return 1
  }
  wine_run "$KVR_RUBY18_EXE" "$@"
}
