"""Skin art for QV318_Driver: SVG sources drawn from one palette per skin."""
