#!/usr/bin/python3
# Reference values of the apparent-place tests (tests/astro/apparent_place_test.cpp),
# from astropy (which calls ERFA through its own IERS tables) and PyEphem (libastro,
# an independent code): Debian python3-astropy and python3-ephem.
import warnings; warnings.filterwarnings('ignore')
from astropy.utils import iers
iers.conf.auto_download = False
iers.conf.auto_max_age = None
from astropy.time import Time
from astropy.coordinates import SkyCoord, EarthLocation, AltAz, FK5, PrecessedGeocentric, GCRS, CIRS
import astropy.units as u
import ephem
t = Time(2460536.375, format='jd', scale='utc')
loc = EarthLocation(lat=47.5*u.deg, lon=19.04*u.deg, height=0*u.m)
# Polaris (Hipparcos, J2000 ICRS): RA 02h31m49.09s Dec +89d15m50.8s, pm 44.48 -11.85 mas/yr, plx 7.54 mas
pol = SkyCoord(ra=37.95456067*u.deg, dec=89.26410897*u.deg, pm_ra_cosdec=44.48*u.mas/u.yr, pm_dec=-11.85*u.mas/u.yr, distance=(1000/7.54)*u.pc, radial_velocity=-16.42*u.km/u.s, obstime=Time('J2000'), frame='icrs')
aa = pol.apply_space_motion(new_obstime=t).transform_to(AltAz(obstime=t, location=loc, pressure=0))
print('polaris alt az', aa.alt.deg, aa.az.deg)
vega = SkyCoord(ra=279.23473479*u.deg, dec=38.78368896*u.deg, frame='icrs')
app = vega.transform_to(PrecessedGeocentric(equinox=t, obstime=t))
print('vega "precessed geocentric" ra dec', app.ra.deg, app.dec.deg)
# true equinox of date apparent via CIRS + equation of origins
import erfa
cirs = vega.transform_to(CIRS(obstime=t))
tt = t.tt
eo = erfa.eo06a(tt.jd1, tt.jd2)
print('vega apparent of date (CIRS - eo)', (cirs.ra.rad - eo) * 180/3.141592653589793 % 360, cirs.dec.deg)
o = ephem.Observer(); o.lat='47.5'; o.lon='19.04'; o.pressure=0; o.date = ephem.Date(2460536.375 - 2415020.0); o.epoch=ephem.J2000
s = ephem.readdb("Polaris,f|M|F7,2:31:49.09,89:15:50.8,2.02,2000")
s.compute(o); print('pyephem polaris alt az', float(s.alt)*57.29577951308232, float(s.az)*57.29577951308232)
v = ephem.readdb("Vega,f|M|A0,18:36:56.336,38:47:01.28,0.03,2000"); v.compute(o); print('pyephem vega apparent ra dec', float(v.ra)*57.29577951308232, float(v.dec)*57.29577951308232)
