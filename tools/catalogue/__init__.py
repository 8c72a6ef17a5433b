"""Generators of Kolvar's compiled sky catalogue tables."""
