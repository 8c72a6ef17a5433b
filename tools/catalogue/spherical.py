"""Small spherical helpers: galactic coordinates, unit vectors, great-circle interpolation."""

import math

# J2000 position of the north galactic pole and galactic longitude of the north celestial pole.
_RA_GP = math.radians(192.85948)
_DEC_GP = math.radians(27.12825)
_L_NCP = math.radians(122.93192)


def to_galactic(ra_deg, dec_deg):
    ra, dec = math.radians(ra_deg), math.radians(dec_deg)
    sin_b = (math.sin(dec) * math.sin(_DEC_GP)
             + math.cos(dec) * math.cos(_DEC_GP) * math.cos(ra - _RA_GP))
    b = math.asin(max(-1.0, min(1.0, sin_b)))
    y = math.cos(dec) * math.sin(ra - _RA_GP)
    x = math.sin(dec) * math.cos(_DEC_GP) - math.cos(dec) * math.sin(_DEC_GP) * math.cos(ra - _RA_GP)
    return math.degrees(_L_NCP - math.atan2(y, x)) % 360.0, math.degrees(b)


def from_galactic(l_deg, b_deg):
    l, b = math.radians(l_deg), math.radians(b_deg)
    sin_d = (math.sin(b) * math.sin(_DEC_GP)
             + math.cos(b) * math.cos(_DEC_GP) * math.cos(_L_NCP - l))
    dec = math.asin(max(-1.0, min(1.0, sin_d)))
    y = math.cos(b) * math.sin(_L_NCP - l)
    x = math.sin(b) * math.cos(_DEC_GP) - math.cos(b) * math.sin(_DEC_GP) * math.cos(_L_NCP - l)
    return math.degrees(_RA_GP + math.atan2(y, x)) % 360.0, math.degrees(dec)


def vec(ra_deg, dec_deg):
    a, d = math.radians(ra_deg), math.radians(dec_deg)
    return (math.cos(a) * math.cos(d), math.sin(a) * math.cos(d), math.sin(d))


def unvec(v):
    x, y, z = v
    return math.degrees(math.atan2(y, x)) % 360.0, math.degrees(math.atan2(z, math.hypot(x, y)))


def angle(u, v):
    dot = sum(a * b for a, b in zip(u, v))
    cx = u[1] * v[2] - u[2] * v[1]
    cy = u[2] * v[0] - u[0] * v[2]
    cz = u[0] * v[1] - u[1] * v[0]
    return math.atan2(math.sqrt(cx * cx + cy * cy + cz * cz), dot)


def slerp(u, v, t):
    omega = angle(u, v)
    if omega < 1e-12:
        return u
    s = math.sin(omega)
    a = math.sin((1 - t) * omega) / s
    b = math.sin(t * omega) / s
    return tuple(a * p + b * q for p, q in zip(u, v))
