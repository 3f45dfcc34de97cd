# Sourced by test.sh and run.sh: installs Debian packages that are missing.
# Uses sudo only when not root.

drafnova_install() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# What every build needs.
DRAFNOVA_BUILD_PACKAGES=(cmake ninja-build g++ make libgtest-dev googletest libcups2-dev)

# What the Linux tests need besides: the printer tests run a print server of
# their own.
DRAFNOVA_TEST_PACKAGES=(cups-daemon cups-server-common cups-client)

# What the Windows build and its tests under Wine need: the cross compiler,
# Wine, a virtual display for the window's tests, and a Japanese font and
# locale so that the window shows its captions as a Japanese Windows would.
DRAFNOVA_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xauth
    fonts-ipafont-gothic locales)

# Generates the ja_JP.UTF-8 locale when it is missing (Wine takes its code
# page, 932, from it).
drafnova_japanese_locale() {
    locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$' && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    if grep -qE '^# *ja_JP\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        "${sudo[@]}" sed -i -E 's/^# *(ja_JP\.UTF-8 UTF-8)/\1/' /etc/locale.gen
    else
        echo "ja_JP.UTF-8 UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${sudo[@]}" locale-gen >/dev/null
}
