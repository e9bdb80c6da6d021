# Installs what building, running and testing the launcher needs, from Debian's packages.
# Idempotent: when everything is present it asks dpkg only and returns at once.
# Sourced by the scripts in scripts/ and by tests/tools/wine-env; also holds the helpers they share.

readonly REQUIRED_PACKAGES=(
    cmake make g++ googletest                           # host build and unit tests
    g++-mingw-w64-i686-win32 binutils-mingw-w64-i686     # the 32-bit Windows program
    g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 # its 64-bit build, for hosts without 32-bit support
    wine wine32:i386 wine64                              # running them
    g++-i686-linux-gnu qemu-user-static                  # the core as 32-bit x86 code, and running it anywhere
    xvfb xauth xdotool x11-utils imagemagick             # virtual display, real clicks, screenshots
    libxfixes-dev                                        # the pointer's shape as the display shows it
    fonts-wine fonts-liberation                          # the typefaces the layout was made for
    sed coreutils                                        # the scripts' own tools
)

missing_packages() {
    local package
    for package in "${REQUIRED_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' \
            || printf '%s\n' "$package"
    done
}

ensure_packages() {
    local -a missing
    mapfile -t missing < <(missing_packages)
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages (run as root to install them): ${missing[*]}" >&2
        return 1
    fi
    echo "installing: ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# quietly COMMAND...: runs a command with its output kept aside; when it fails, shows the command and
# what it printed. The output goes to a file, not a pipe: services Wine starts on the way keep it open.
quietly() {
    local log status=0
    log=$(mktemp)
    "$@" </dev/null >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        echo "failed (exit status $status): $*" >&2
        sed 's/^/    /' "$log" >&2
    fi
    rm -f "$log"
    return "$status"
}

# build_preset PRESET [TARGET...]: configures and builds one CMake preset (only the targets, when given),
# quietly unless something goes wrong.
build_preset() {
    local preset=$1
    shift
    quietly cmake --preset "$preset" &&
        quietly cmake --build --preset "$preset" --parallel "$(nproc)" ${1:+--target "$@"}
}

