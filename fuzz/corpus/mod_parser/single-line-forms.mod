Å<ID>
single
</ID>
<edit file>
Sources\Post.pl
</edit file>
<search for>sub Post {</search for>
<Add Before># quick reply</add before>
<search for>  x
<replace>tail without close
</replace>
<Search For>a</SEARCH FOR>
<add after>b