<id>
Footer note
</id>

<version>
1.0
</version>

<mod info>
Adds a line to the footer of every page.
Made for YaBB 2.0; the demo forum is YaBB 2.1, so Kestrune lists this
folder only when you choose it yourself.
</mod info>

<author>
Kestrune demo
</author>

<homepage>
https://example.org/kestrune-demo
</homepage>

<edit file>
Templates/default.html
</edit file>

<search for>
  <p>Powered by the Kestrune demo forum.</p>
</search for>

<add before>
  <p class="note">Mods installed with Kestrune.</p>
</add before>