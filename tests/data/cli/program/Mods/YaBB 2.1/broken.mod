<id>
Broken
</id>

<edit file>
YaBB.pl
</edit file>

<search for>
exit;
</search for>
<replace>
exit 0;