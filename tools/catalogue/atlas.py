"""Atlas units: angles written as the source tables of the program hold them."""

import math


def hms(ra_deg: float, second_decimals: int):
    """Right ascension in degrees -> (hours, minutes, seconds) rounded to the given decimals of a second."""
    scale = 10 ** second_decimals
    units = round((ra_deg % 360.0) / 15.0 * 3600.0 * scale)
    units %= 24 * 3600 * scale
    h, rest = divmod(units, 3600 * scale)
    m, s = divmod(rest, 60 * scale)
    return h, m, s / scale


def dms(dec_deg: float, second_decimals: int):
    """Declination in degrees -> (sign, degrees, minutes, seconds), the sign a separate '+' or '-'."""
    scale = 10 ** second_decimals
    sign = "-" if dec_deg < 0 else "+"
    units = round(abs(dec_deg) * 3600.0 * scale)
    d, rest = divmod(units, 3600 * scale)
    m, s = divmod(rest, 60 * scale)
    if units == 0:
        sign = "+"
    return sign, d, m, s / scale


def hm(ra_deg: float):
    """Right ascension in degrees -> (hours, minutes with one decimal)."""
    units = round((ra_deg % 360.0) / 15.0 * 600.0) % (24 * 600)
    h, tenths = divmod(units, 600)
    return h, tenths / 10.0


def dm(dec_deg: float):
    """Declination in degrees -> (sign, degrees, whole minutes)."""
    sign = "-" if dec_deg < 0 else "+"
    units = round(abs(dec_deg) * 60.0)
    d, m = divmod(units, 60)
    if units == 0:
        sign = "+"
    return sign, d, m


def hms_to_deg(h, m, s):
    return (h + m / 60.0 + s / 3600.0) * 15.0


def dms_to_deg(sign, d, m, s):
    v = d + m / 60.0 + s / 3600.0
    return -v if sign == "-" else v


def c_float(value: float, decimals: int) -> str:
    """A float literal with a fixed number of decimals and the f suffix."""
    text = f"{value:.{decimals}f}"
    if "." not in text:
        text += ".0"
    return text + "f"


def c_string(raw: bytes) -> str:
    """A C string literal of Windows-1250 bytes; bytes outside printable ASCII become hex escapes."""
    out = []
    previous_hex = False
    for b in raw:
        ch = chr(b)
        if 32 <= b < 127 and ch not in '"\\':
            # A hex escape swallows following hex digits, so split the literal there.
            if previous_hex and ch in "0123456789abcdefABCDEF":
                out.append('" "')
            out.append(ch)
            previous_hex = False
        else:
            out.append(f"\\x{b:02X}")
            previous_hex = True
    return '"' + "".join(out) + '"'


def angular_distance_deg(ra1, de1, ra2, de2):
    a1, d1, a2, d2 = map(math.radians, (ra1, de1, ra2, de2))
    c = math.sin(d1) * math.sin(d2) + math.cos(d1) * math.cos(d2) * math.cos(a1 - a2)
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))
