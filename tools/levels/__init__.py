"""The level generator: every level of the three level sets is written from a compact source."""
