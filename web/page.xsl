<?xml version="1.0" encoding="UTF-8"?>
<!-- SPDX-FileCopyrightText: 2026 The ganji developers -->
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!--
  The window's Designer file as the web page: each control of the window as
  the web's own control, in the window's tab order (the order of the page is
  the order of the keyboard, so the file's tab stops put the controls in the
  page), with its caption and accessible name; each label just before the
  field it names, so a screen reader reads them together; and each control's
  place and size as CSS custom properties, which page.css turns into
  positions.  The page's style, script and security policy are left as
  placeholders that site.mjs fills in.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" indent="no"/>

  <xsl:variable name="window" select="/ui/widget"/>
  <xsl:key name="widget" match="widget" use="@name"/>
  <xsl:key name="buddy" match="widget[@class = 'QLabel']" use="property[@name = 'buddy']/cstring"/>

  <xsl:template match="/ui">
    <xsl:text disable-output-escaping="yes">&lt;!DOCTYPE html&gt;&#10;&lt;!-- @NOTICE@ --&gt;&#10;</xsl:text>
    <html lang="ko">
      <head>
        <meta name="viewport" content="width=device-width, initial-scale=1"/>
        <meta http-equiv="Content-Security-Policy" content="@CSP@"/>
        <meta name="color-scheme" content="light dark"/>
        <meta name="theme-color" content="@LIGHT@" media="(prefers-color-scheme: light)"/>
        <meta name="theme-color" content="@DARK@" media="(prefers-color-scheme: dark)"/>
        <!-- On a home screen the page goes by the program's name, not its window's. -->
        <meta name="apple-mobile-web-app-title" content="@NAME@"/>
        <meta name="description" content="@DESCRIPTION@"/>
        <title><xsl:value-of select="$window/property[@name = 'windowTitle']/string"/></title>
        <link rel="icon" href="ganji.svg" type="image/svg+xml" sizes="any"/>
        <link rel="manifest" href="manifest.webmanifest"/>
        <link rel="apple-touch-icon" href="ganji-apple-180.png"/>
        <style>
          <xsl:text>@STYLE@</xsl:text>
          <xsl:apply-templates select="$window/widget" mode="place"/>
        </style>
      </head>
      <body>
        <main id="{$window/@name}">
          <!-- The window's title, for a screen reader's list of headings. -->
          <h1 id="title"><xsl:value-of select="$window/property[@name = 'windowTitle']/string"/></h1>
          <!-- Labels that name no field come first, as in the file. -->
          <xsl:apply-templates select="$window/widget[@class = 'QLabel'][not(property[@name = 'buddy'])]"/>
          <xsl:for-each select="tabstops/tabstop">
            <xsl:variable name="control" select="key('widget', .)"/>
            <xsl:apply-templates select="key('buddy', .)"/>
            <xsl:choose>
              <!-- The radio buttons of one parent are one exclusive group,
                   entered where its first button stands in the tab order. -->
              <xsl:when test="$control/@class = 'QRadioButton'">
                <xsl:if test="not(preceding-sibling::tabstop[key('widget', .)/@class = 'QRadioButton'])">
                  <fieldset>
                    <xsl:apply-templates select="$window/widget[@class = 'QRadioButton']"/>
                  </fieldset>
                </xsl:if>
              </xsl:when>
              <xsl:otherwise>
                <xsl:apply-templates select="$control"/>
              </xsl:otherwise>
            </xsl:choose>
          </xsl:for-each>
          <!-- Each answer again, for a screen reader to say: the transcript
               does not have the focus when a button is pressed. -->
          <p id="answer" role="status" aria-live="polite"></p>
        </main>
        <dialog id="failure" aria-labelledby="failure-title" aria-describedby="failure-text">
          <h2 id="failure-title">오류</h2>
          <p id="failure-text"></p>
          <button type="button" id="failure-close">확인</button>
        </dialog>
        <script>@SCRIPT@</script>
      </body>
    </html>
  </xsl:template>

  <!-- Where a control stands, in pixels of the window at its designed size. -->
  <xsl:template match="widget" mode="place">
    <xsl:variable name="rect" select="property[@name = 'geometry']/rect"/>
    <xsl:variable name="box">
      <xsl:if test="@class = 'QRadioButton'">-box</xsl:if>
      <xsl:if test="@class = 'QPlainTextEdit'">,noscript</xsl:if>
    </xsl:variable>
    <xsl:value-of select="concat('#', @name, $box, '{--x:', $rect/x, ';--y:', $rect/y,
                                 ';--w:', $rect/width, ';--h:', $rect/height, '}')"/>
  </xsl:template>

  <xsl:template match="widget[@class = 'QLabel']">
    <xsl:variable name="buddy" select="property[@name = 'buddy']/cstring"/>
    <xsl:choose>
      <xsl:when test="$buddy">
        <label id="{@name}" for="{$buddy}"><xsl:value-of select="property[@name = 'text']/string"/></label>
      </xsl:when>
      <xsl:otherwise>
        <p id="{@name}"><xsl:value-of select="property[@name = 'text']/string"/></p>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="widget[@class = 'QPlainTextEdit']">
    <!-- The first tab stop has the focus when the window opens. -->
    <textarea id="{@name}" spellcheck="false">
      <xsl:apply-templates select="property" mode="accessible"/>
      <xsl:if test="@name = /ui/tabstops/tabstop[1]">
        <xsl:attribute name="autofocus">autofocus</xsl:attribute>
      </xsl:if>
      <xsl:value-of select="property[@name = 'plainText']/string"/>
    </textarea>
    <!-- Without JavaScript nothing is reckoned: the transcript says so. -->
    <noscript><p>이 페이지는 JavaScript를 켜야 계산할 수 있습니다.</p></noscript>
  </xsl:template>

  <xsl:template match="widget[@class = 'QLineEdit' or @class = 'TEdit']">
    <input id="{@name}" type="text" autocomplete="off" spellcheck="false"
           value="{property[@name = 'text']/string}"/>
  </xsl:template>

  <xsl:template match="widget[@class = 'QPushButton']">
    <button id="{@name}" type="button">
      <xsl:apply-templates select="property" mode="accessible"/>
      <xsl:value-of select="property[@name = 'text']/string"/>
    </button>
  </xsl:template>

  <xsl:template match="widget[@class = 'QRadioButton']">
    <label id="{@name}-box">
      <input id="{@name}" type="radio" name="{../@name}-radio">
        <xsl:if test="property[@name = 'checked']/bool = 'true'">
          <xsl:attribute name="checked">checked</xsl:attribute>
        </xsl:if>
      </input>
      <xsl:value-of select="property[@name = 'text']/string"/>
    </label>
  </xsl:template>

  <xsl:template match="property" mode="accessible"/>
  <xsl:template match="property[@name = 'accessibleName']" mode="accessible">
    <xsl:attribute name="aria-label"><xsl:value-of select="string"/></xsl:attribute>
  </xsl:template>
  <xsl:template match="property[@name = 'accessibleDescription']" mode="accessible">
    <xsl:attribute name="aria-description"><xsl:value-of select="string"/></xsl:attribute>
  </xsl:template>
</xsl:stylesheet>
