<?xml version="1.0" encoding="UTF-8"?>
<!-- What a user without Ulnik would reach for: a report turned into a plain HTML page. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="windows-1250"/>
  <xsl:template match="/*" priority="2">
    <html>
      <head><title><xsl:value-of select="*[translate(name(), 'doc', 'DOC') = 'DOC']"/></title></head>
      <body>
        <p align="center"><b><xsl:value-of select="*[translate(name(), 'doc', 'DOC') = 'DOC']"/></b></p>
        <xsl:apply-templates select="*"/>
      </body>
    </html>
  </xsl:template>
  <xsl:template match="*[*]">
    <p><b><xsl:value-of select="name()"/></b></p>
    <ul><xsl:apply-templates select="*"/></ul>
  </xsl:template>
  <xsl:template match="*">
    <li><xsl:value-of select="name()"/>: <xsl:value-of select="normalize-space(text())"/></li>
  </xsl:template>
</xsl:stylesheet>
