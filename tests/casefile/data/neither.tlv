" 100 Cs137 / 2 Sr90 / 1 Pu241"
"Sheep on Lowland Farm"
3
10
"Lime the soil of the lowland sheep farm."
"Apply K fertiliser to area where lowland sheep graze."
"Administer AFCF to lowland sheep and fatten on clean roughage "
-1
-.6666667
-.3333333
0
.3333333
.6666667
1
-1
-.6666667
-.3333333
0
.3333333
.6666667
1
-1
-.6666667
-.3333333
0
.3333333
.6666667
1
-1
-.6666667
-.3333333
0
.3333333
.6666667
1
-1
-.6666667
"12"
"Greater Than 60 cm"
""
""
""
""
"Class I"
""
"No"
""
"Loam"
"Yes"
""
""
""
""
"Greater Than 10%"
"80"
"30"
"120"
"40"
"Annually"
"1.5"
""
""
""
"Low"
""
"6.5"
""
"Heather"
""
"No"
#FALSE#
#FALSE#
