<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="tiles_test" tilewidth="32" tileheight="32" tilecount="64" columns="8">
 <tileoffset x="-8" y="8"/>
 <image source="../../../build/pictures/tiles_test.png" width="256" height="256"/>
 <tile id="0" type="ground-top">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="1" type="fill">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="2" type="ceiling">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="3" type="wall-left">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="4" type="wall-right">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="5" type="corner-top-left">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="6" type="corner-top-right">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="7" type="corner-bottom-left">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="8" type="corner-bottom-right">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="9" type="inner-top-left">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="10" type="inner-top-right">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="11" type="inner-bottom-left">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="12" type="inner-bottom-right">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="13" type="platform-left">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="14" type="platform">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="15" type="platform-right">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="16" type="block">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="17" type="half-top">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="18" type="half-bottom">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="bottom-half"/>
  </properties>
 </tile>
 <tile id="19" type="half-left">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="left-half"/>
  </properties>
 </tile>
 <tile id="20" type="half-right">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="right-half"/>
  </properties>
 </tile>
 <tile id="21" type="breakable">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="22" type="ruin-wall">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="23" type="ruin-floor">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="24" type="door-top">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="25" type="door-top-half-open">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="26" type="door-middle">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="27" type="door-middle-half-open">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="28" type="door-bottom">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="29" type="door-bottom-half-open">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="30" type="ruin-wall-left">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="31" type="ruin-wall-right">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="32" type="bridge-deck">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="33" type="bridge-deck-left">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="34" type="bridge-deck-right">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="35" type="bridge-lashing">
  <properties>
   <property name="layers" value="4"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="36" type="ruin-ceiling">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="37" type="ruin-block">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="38" type="ruin-platform">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="39" type="ruin-breakable">
  <properties>
   <property name="layers" value="2"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="40" type="cave-back">
  <properties>
   <property name="layers" value="0,1"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="41" type="ruin-back">
  <properties>
   <property name="layers" value="0,1"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="42" type="water-back">
  <properties>
   <property name="layers" value="0"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="43" type="water-surface">
  <properties>
   <property name="layers" value="3"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="44" type="pillar-top">
  <properties>
   <property name="layers" value="1,3"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="45" type="pillar">
  <properties>
   <property name="layers" value="1,3"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="46" type="pillar-base">
  <properties>
   <property name="layers" value="1,3"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="47" type="arch-left">
  <properties>
   <property name="layers" value="1,3"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="48" type="arch-right">
  <properties>
   <property name="layers" value="1,3"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="49" type="crystals">
  <properties>
   <property name="layers" value="1,3"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="50" type="moss-hanging">
  <properties>
   <property name="layers" value="4,5"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="51" type="stalactite">
  <properties>
   <property name="layers" value="4,5"/>
   <property name="shape" value="top-half"/>
  </properties>
 </tile>
 <tile id="52" type="grass">
  <properties>
   <property name="layers" value="4,5"/>
   <property name="shape" value="bottom-half"/>
  </properties>
 </tile>
 <tile id="53" type="fore-rock">
  <properties>
   <property name="layers" value="5"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
 <tile id="54" type="bones">
  <properties>
   <property name="layers" value="4"/>
   <property name="shape" value="bottom-half"/>
  </properties>
 </tile>
 <tile id="55" type="sign-ball">
  <properties>
   <property name="layers" value="1,3"/>
   <property name="shape" value="full"/>
  </properties>
 </tile>
</tileset>
