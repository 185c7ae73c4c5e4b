<id>
Legacy
</id>

<version>
2.0
</version>