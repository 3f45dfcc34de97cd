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

# What the tests need besides: the printer tests run a print server of their own.
DRAFNOVA_TEST_PACKAGES=(cups-daemon cups-server-common cups-client)
