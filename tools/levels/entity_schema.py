"""Writes the schema of the map entities files, game/data/schema/map_entities.xsd, with the
entity names of the game's own catalogue table (src/entity/entity_catalogue.h).

    /usr/bin/python3 tools/levels/entity_schema.py [--out FILE]
"""
import argparse
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))
from levels import catalogue  # noqa: E402

TARGET = catalogue.ROOT / "game/data/schema/map_entities.xsd"

HEAD = """<?xml version="1.0" encoding="UTF-8"?>
<!-- A level's map entities (<level>_entities.xml), written by tools/levels/entity_schema.py from the
     game's catalogue: do not edit by hand. <entity> places an actor at x, y (the top-left corner
     of its picture, in pixels); a <generator> at x, y releases its <generatorentity> actors, the
     last one first: the first after start milliseconds, each further one interval milliseconds
     after the one before. -->
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema" elementFormDefault="qualified">
  <xs:simpleType name="entityName">
    <xs:restriction base="xs:string">
"""
TAIL = """    </xs:restriction>
  </xs:simpleType>
  <xs:simpleType name="milliseconds">
    <xs:restriction base="xs:nonNegativeInteger">
      <xs:maxInclusive value="2147483647"/>
    </xs:restriction>
  </xs:simpleType>
  <xs:element name="mapEntities">
    <xs:complexType>
      <xs:choice minOccurs="0" maxOccurs="unbounded">
        <xs:element name="entity">
          <xs:complexType>
            <xs:attribute name="name" type="entityName" use="required"/>
            <xs:attribute name="x" type="xs:int" use="required"/>
            <xs:attribute name="y" type="xs:int" use="required"/>
          </xs:complexType>
        </xs:element>
        <xs:element name="generator">
          <xs:complexType>
            <xs:sequence>
              <xs:element name="generatorentity" minOccurs="0" maxOccurs="unbounded">
                <xs:complexType>
                  <xs:attribute name="name" type="entityName" use="required"/>
                </xs:complexType>
              </xs:element>
            </xs:sequence>
            <xs:attribute name="x" type="xs:int" use="required"/>
            <xs:attribute name="y" type="xs:int" use="required"/>
            <xs:attribute name="interval" type="milliseconds" use="required"/>
            <xs:attribute name="start" type="milliseconds" use="required"/>
          </xs:complexType>
        </xs:element>
      </xs:choice>
    </xs:complexType>
  </xs:element>
</xs:schema>
"""


def schema_text():
    names = "".join('      <xs:enumeration value="%s"/>\n' % name for name in catalogue.entities())
    return HEAD + names + TAIL


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", default=str(TARGET))
    Path(parser.parse_args().out).write_text(schema_text())


if __name__ == "__main__":
    main()
